#pragma once

#include "storage/CFileException.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// A text file of comma-delimited lines. A comma inside a field is written doubled; lines end
// with CR LF (as files from the Windows version do) and read back ending in CR LF or LF alone.
// Every failure is thrown as CFileException.
class CdfFile final {
public:
    enum class Mode { Read, Write };

    // Opens for reading, or creates (truncating) for writing.
    CdfFile(std::string fileName, Mode mode);
    ~CdfFile();
    CdfFile(const CdfFile&) = delete;
    CdfFile& operator=(const CdfFile&) = delete;

    // Starts a new line to build, or resets the read position.
    void Clear();
    void AppendField(std::string_view field);
    // Writes the line built so far with its CR LF; the line keeps its text until Clear.
    void WriteLine();

    // Reads the next line whole, whatever its length; at the end of the file the line is empty.
    void ReadLine();
    // The next field of the line read, trimmed of white space; empty once the line is used up.
    std::string GetField();

    [[nodiscard]] std::int64_t GetPosition() const { return m_position; }
    [[nodiscard]] std::int64_t GetLength() const { return m_length; }
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
    std::int64_t m_position = 0;
    std::int64_t m_length = 0;
    char* m_readBuffer = nullptr;
    std::size_t m_readCapacity = 0;
};
