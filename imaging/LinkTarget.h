#pragma once

#include <string>

namespace imaging {

// The file that `path` finally names: symbolic links in its last part are followed, a relative
// one from the folder it lies in, until a name that is no link (an existing file, or one still
// to be made, as a dangling link's target is). Empty after 40 links, which is a loop.
std::string finalLinkTarget(std::string path);

} // namespace imaging
