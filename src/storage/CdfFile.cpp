#include "storage/CdfFile.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace

CdfFile::CdfFile(std::string fileName, Mode mode) : m_fileName(std::move(fileName)) {
    m_file = std::fopen(m_fileName.c_str(), mode == Mode::Read ? "rb" : "wb");
    if (m_file == nullptr)
        Fail(CFileException::Cause::Generic);
    Clear();
}

CdfFile::~CdfFile() {
    if (m_file != nullptr)
        std::fclose(m_file);
    std::free(m_readBuffer);
}

void CdfFile::Clear() {
    m_line.clear();
    m_pos = 0;
    m_fields = 0;
}

void CdfFile::AppendField(std::string_view field) {
    // Every field after the first gets its separator, even after an empty first field, so a
    // row with an empty first field reads back with the same fields in the same places.
    if (m_fields++ > 0)
        m_line += ',';
    for (const char c : field) {
        m_line += c == '\r' || c == '\n' ? ' ' : c;
        if (c == ',')
            m_line += ',';
    }
}

void CdfFile::WriteLine() {
    m_line += "\r\n";
    if (std::fwrite(m_line.data(), 1, m_line.size(), m_file) != m_line.size())
        Fail(CFileException::Cause::DiskFull);
}

bool CdfFile::ReadLine() {
    errno = 0;
    const ssize_t n = getline(&m_readBuffer, &m_readCapacity, m_file);
    m_pos = 0;
    if (n < 0) {
        if (std::ferror(m_file))
            Fail(CFileException::Cause::Generic);
        m_line.clear();
        return false;
    }
    std::size_t length = static_cast<std::size_t>(n);
    if (length > 0 && m_readBuffer[length - 1] == '\n') {
        --length;
        if (length > 0 && m_readBuffer[length - 1] == '\r')
            --length;
    }
    std::size_t start = 0;
    if (m_firstLine && std::string_view(m_readBuffer, length).starts_with("\xEF\xBB\xBF"))
        start = 3; // editors on Windows often begin UTF-8 text with a byte-order mark
    m_firstLine = false;
    m_line.assign(m_readBuffer + start, length - start);
    return true;
}

std::string CdfFile::GetField() {
    const std::string_view line(m_line);
    // Most fields hold no comma: take them straight from the line.
    const std::size_t first = line.find(',', m_pos);
    if (first == std::string_view::npos || (first + 1 < line.size() && line[first + 1] != ',')) {
        const std::size_t end = first == std::string_view::npos ? line.size() : first;
        const std::string_view field = line.substr(std::min(m_pos, line.size()), end - std::min(m_pos, end));
        m_pos = first == std::string_view::npos ? line.size() : first + 1;
        return std::string(Trim(field));
    }
    std::string field;
    while (m_pos < m_line.size()) {
        const std::size_t comma = m_line.find(',', m_pos);
        if (comma == std::string::npos) {
            field.append(m_line, m_pos, std::string::npos);
            m_pos = m_line.size();
            break;
        }
        if (comma + 1 == m_line.size() || m_line[comma + 1] == ',') {
            // A doubled comma is one comma of text; so is a lone comma ending the line.
            field.append(m_line, m_pos, comma + 1 - m_pos);
            m_pos = std::min(comma + 2, m_line.size());
            continue;
        }
        field.append(m_line, m_pos, comma - m_pos);
        m_pos = comma + 1;
        break;
    }
    return std::string(Trim(field));
}

void CdfFile::Sync() {
    if (std::fflush(m_file) != 0)
        Fail(CFileException::Cause::DiskFull);
    if (fsync(fileno(m_file)) != 0)
        Fail(CFileException::Cause::DiskFull);
}

void CdfFile::Close() {
    if (m_file == nullptr)
        return;
    std::FILE* file = m_file;
    m_file = nullptr;
    const bool failed = std::ferror(file) != 0;
    if (std::fclose(file) != 0 || failed)
        Fail(CFileException::Cause::DiskFull);
}

void CdfFile::Fail(CFileException::Cause fallback) const {
    throw CFileException::FromErrno(errno, m_fileName, fallback);
}
