#include "storage/CFileException.h"

#include <cerrno>
#include <cstring>

namespace {

std::string Describe(CFileException::Cause cause, const std::string& fileName, int osError) {
    std::string text = fileName + ": ";
    if (osError != 0)
        return text + std::strerror(osError);
    switch (cause) {
    case CFileException::Cause::FileNotFound:
        return text + "file not found";
    case CFileException::Cause::AccessDenied:
        return text + "access denied";
    case CFileException::Cause::DiskFull:
        return text + "disk full";
    case CFileException::Cause::Generic:
        break;
    }
    return text + "file error";
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
    return m_osError != 0 ? std::string(std::strerror(m_osError)) : std::string(what());
}
