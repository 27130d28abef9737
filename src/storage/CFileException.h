// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// The one way file errors travel inside storage: what went wrong, on which file, and the
// system's own words for it. Storage catches it and turns it into what the user is told.
class CFileException final : public std::runtime_error {
public:
    enum class Cause { Generic, FileNotFound, AccessDenied, DiskFull, NotAFile, LineTooLong };

    CFileException(Cause cause, std::string fileName, int osError = 0);

    // From errno after a failed call; causes errno does not single out become `fallback`.
    [[nodiscard]] static CFileException FromErrno(int error, std::string fileName, Cause fallback);

    [[nodiscard]] Cause GetCause() const { return m_cause; }
    // The system's text for the error ("No space left on device"), or a plain one.
    [[nodiscard]] std::string GetErrorText() const;
    // Whether that text is this program's own, marked for translation, rather than the system's.
    [[nodiscard]] bool ErrorTextIsOurs() const;

private:
    Cause m_cause;
    int m_osError;
};
