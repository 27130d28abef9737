// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/CFileException.h"

#include <cstdio>
#include <string>
#include <string_view>

// A text file of comma-delimited lines. A comma inside a field is written doubled; lines end
// with CR LF (as files from the Windows version do) and read back ending in CR LF or LF alone.
// A UTF-8 byte-order mark before the first line is skipped. Every failure is thrown as
// CFileException.
class CdfFile final {
public:
    enum class Mode { Read, Write };
    // The longest line read, line end aside: a longer one makes the file unreadable.
    static constexpr std::size_t kMaxLine = 64 * 1024;

    // Opens a regular file (or a link to one) for reading, without waiting on a FIFO or a device;
    // or creates a new file for writing, never through a link and never over a file that exists.
    CdfFile(std::string fileName, Mode mode);
    ~CdfFile();
    CdfFile(const CdfFile&) = delete;
    CdfFile& operator=(const CdfFile&) = delete;

    static constexpr std::string_view kLineEnd = "\r\n";

    // Adds `field` to a line of fields: a comma before every field but the first, a comma in the
    // field doubled, a line break made a blank so it can never split the line.
    static void AppendField(std::string& line, std::string_view field, bool first);

    // Starts a new line to build, or resets the read position.
    void Clear();
    // A line break inside the field is written as a blank, so it can never split the line.
    void AppendField(std::string_view field);
    // Writes the line built so far with its CR LF; the line keeps its text until Clear.
    void WriteLine();
    // Writes lines made elsewhere, line ends included.
    void Write(std::string_view text);

    // Reads the next line whole, up to kMaxLine. False at the end of the file, however much the
    // file was said to hold when it was opened; the line is then empty.
    bool ReadLine();
    // The next field of the line read, trimmed of white space; empty once the line is used up.
    std::string GetField();

    [[nodiscard]] const std::string& GetLine() const { return m_line; }
    [[nodiscard]] std::size_t GetReadPos() const { return m_pos; }

    // Pushes everything written to the disk itself (fsync), so it survives a power cut.
    void Sync();
    // Flushes and closes; a failed final flush throws.
    void Close();

private:
    [[noreturn]] void Fail(CFileException::Cause fallback) const;

    std::string m_fileName;
    std::FILE* m_file = nullptr;
    std::string m_line;
    std::size_t m_pos = 0;
    int m_fields = 0;
    bool m_firstLine = true;
    std::string m_buffer; // read ahead of the line
    std::size_t m_bufferPos = 0;
};
