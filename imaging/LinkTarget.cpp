#include "imaging/LinkTarget.h"

#include <climits>
#include <unistd.h>

namespace imaging {

std::string finalLinkTarget(std::string path)
{
    constexpr int kMaxLinks = 40; // as many as the system follows itself
    for (int links = 0; links <= kMaxLinks; ++links) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0)
            return path; // no link: opening or renaming reports any other trouble
        if (size_t(length) == sizeof target)
            return {};
        std::string next(target, size_t(length));
        const size_t slash = path.rfind('/');
        if (next.front() != '/' && slash != std::string::npos)
            next.insert(0, path, 0, slash + 1);
        path = std::move(next);
    }
    return {};
}

} // namespace imaging
