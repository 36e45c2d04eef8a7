// The file a large result spills into: an unnamed file in the user's
// temporary folder (TMPDIR), and the error that names that folder when the
// file cannot be made, written or read back.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

namespace tallowmere {

// The file that holds a large result could not be made, written or read back:
// a full disk, a file size limit, a missing or unwritable temporary folder.
class SpillFileError : public std::runtime_error {
public:
    SpillFileError(std::string folder, std::string reason);

    // The temporary folder, as the user would set it (TMPDIR).
    const std::string& folder() const noexcept { return mFolder; }
    // What the system said, such as "No space left on device".
    const std::string& reason() const noexcept { return mReason; }

private:
    std::string mFolder;
    std::string mReason;
};

// The user's temporary folder; one that is missing or not a folder throws.
std::string TemporaryFolder();

// Opens a new unnamed file for reading and writing in the folder; it goes
// when its handle closes.
std::FILE* OpenSpillFile(const std::string& folder);

// The error for a failed call on the file in the folder, from its errno.
SpillFileError SpillFailure(const std::string& folder, int error);

} // namespace tallowmere
