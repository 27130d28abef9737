// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CFileException.h"

#include "storage/UserMessage.h"

#include <cerrno>
#include <cstring>

namespace {

// The words for a cause, when the system has none.
const char* CauseText(CFileException::Cause cause) {
    switch (cause) {
    case CFileException::Cause::FileNotFound:
        return ORDALUNE_TRANSLATE("UserMessage", "file not found");
    case CFileException::Cause::AccessDenied:
        return ORDALUNE_TRANSLATE("UserMessage", "access denied");
    case CFileException::Cause::DiskFull:
        return ORDALUNE_TRANSLATE("UserMessage", "disk full");
    case CFileException::Cause::NotAFile:
        return ORDALUNE_TRANSLATE("UserMessage", "it is not a regular file");
    case CFileException::Cause::LineTooLong:
        return ORDALUNE_TRANSLATE("UserMessage", "a line is longer than 64 KiB");
    case CFileException::Cause::Generic:
        break;
    }
    return ORDALUNE_TRANSLATE("UserMessage", "file error");
}

std::string Describe(CFileException::Cause cause, const std::string& fileName, int osError) {
    return fileName + ": " + (osError != 0 ? std::strerror(osError) : CauseText(cause));
}

} // namespace

CFileException::CFileException(Cause cause, std::string fileName, int osError)
    : std::runtime_error(Describe(cause, fileName, osError)), m_cause(cause), m_osError(osError) {}

CFileException CFileException::FromErrno(int error, std::string fileName, Cause fallback) {
    Cause cause = fallback;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        cause = Cause::FileNotFound;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        cause = Cause::AccessDenied;
        break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        cause = Cause::DiskFull;
        break;
    default:
        break;
    }
    return CFileException(cause, std::move(fileName), error);
}

std::string CFileException::GetErrorText() const {
    return m_osError != 0      ? std::string(std::strerror(m_osError))
           : ErrorTextIsOurs() ? CauseText(m_cause)
                               : what();
}

bool CFileException::ErrorTextIsOurs() const {
    return m_osError == 0 && (m_cause == Cause::NotAFile || m_cause == Cause::LineTooLong);
}
