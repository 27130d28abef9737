// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CdfFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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
    const int fd = mode == Mode::Read
                       ? open(m_fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)
                       : open(m_fileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        Fail(CFileException::Cause::Generic);
    struct stat info {};
    if (mode == Mode::Read && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        close(fd); // a FIFO, a device or a folder: never read, so never waited on
        throw CFileException(CFileException::Cause::NotAFile, m_fileName);
    }
    if (mode == Mode::Read)
        fcntl(fd, F_SETFL, 0); // a regular file never blocks; reads wait for the disk as usual
    m_file = fdopen(fd, mode == Mode::Read ? "rb" : "wb");
    if (m_file == nullptr) {
        const int error = errno;
        close(fd);
        throw CFileException::FromErrno(error, m_fileName, CFileException::Cause::Generic);
    }
}

CdfFile::~CdfFile() {
    if (m_file != nullptr)
        std::fclose(m_file);
}

void CdfFile::Clear() {
    m_line.clear();
    m_pos = 0;
    m_fields = 0;
}

void CdfFile::AppendField(std::string& line, std::string_view field, bool first) {
    // Every field after the first gets its separator, even after an empty first field, so a
    // row with an empty first field reads back with the same fields in the same places.
    if (!first)
        line += ',';
    for (const char c : field) {
        line += c == '\r' || c == '\n' ? ' ' : c;
        if (c == ',')
            line += ',';
    }
}

void CdfFile::AppendField(std::string_view field) { AppendField(m_line, field, m_fields++ == 0); }

void CdfFile::WriteLine() {
    m_line += kLineEnd;
    Write(m_line);
}

void CdfFile::Write(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), m_file) != text.size())
        Fail(CFileException::Cause::DiskFull);
}

bool CdfFile::ReadLine() {
    m_pos = 0;
    m_line.clear();
    for (bool ended = false; !ended;) {
        if (m_bufferPos == m_buffer.size()) {
            m_buffer.resize(kMaxLine);
            errno = 0;
            m_buffer.resize(std::fread(m_buffer.data(), 1, m_buffer.size(), m_file));
            m_bufferPos = 0;
            if (m_buffer.empty()) {
                if (std::ferror(m_file))
                    Fail(CFileException::Cause::Generic);
                if (m_line.empty())
                    return false;
                break;
            }
        }
        const char* start = m_buffer.data() + m_bufferPos;
        const auto* end = static_cast<const char*>(std::memchr(start, '\n', m_buffer.size() - m_bufferPos));
        ended = end != nullptr;
        const std::size_t take =
            ended ? static_cast<std::size_t>(end - start) + 1 : m_buffer.size() - m_bufferPos;
        // A line without end (a file of zeros, say) never fills the memory: two line ends' room.
        if (m_line.size() + take > kMaxLine + 2)
            throw CFileException(CFileException::Cause::LineTooLong, m_fileName);
        m_line.append(start, take);
        m_bufferPos += take;
    }
    if (!m_line.empty() && m_line.back() == '\n') {
        m_line.pop_back();
        if (!m_line.empty() && m_line.back() == '\r')
            m_line.pop_back();
    }
    if (m_line.size() > kMaxLine)
        throw CFileException(CFileException::Cause::LineTooLong, m_fileName);
    if (m_firstLine && m_line.starts_with("\xEF\xBB\xBF"))
        m_line.erase(0, 3); // editors on Windows often begin UTF-8 text with a byte-order mark
    m_firstLine = false;
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
