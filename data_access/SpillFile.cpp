#include "SpillFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace tallowmere {
namespace {

std::string reasonFor(int error) {
    // A short write or read need not set errno; the file is unusable all the same.
    return error != 0 ? std::generic_category().message(error)
                      : "the file could not be written or read back in full";
}

// The folder temp_directory_path() looks at, in its order. Its error need not
// carry the path, and the message must name the folder the user set.
std::string folderNamedByEnvironment() {
    for (const char* variable : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"}) {
        if (const char* value = std::getenv(variable))
            return value;
    }
    return "/tmp";
}

// A file without a name, so that nothing stays behind when its handle closes,
// even after a crash. File systems without O_TMPFILE get a named file that is
// unlinked at once.
int openUnnamedFile(const std::string& folder) {
#ifdef O_TMPFILE
    const int unnamed = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_EXCL | O_CLOEXEC, 0600);
    if (unnamed >= 0)
        return unnamed;
#endif
    std::string name = (std::filesystem::path(folder) / "tallowmere-rows-XXXXXX").string();
    const int named = ::mkostemp(name.data(), O_CLOEXEC);
    if (named < 0)
        return -1;
    if (::unlink(name.c_str()) != 0) {
        const int error = errno;
        ::close(named);
        errno = error;
        return -1;
    }
    return named;
}

} // namespace

SpillFileError::SpillFileError(std::string folder, std::string reason)
    : std::runtime_error("The temporary file in " + folder + " failed: " + reason)
    , mFolder(std::move(folder))
    , mReason(std::move(reason)) {}

std::string TemporaryFolder() {
    try {
        return std::filesystem::temp_directory_path().string();
    } catch (const std::filesystem::filesystem_error& error) {
        const std::string named = error.path1().string();
        throw SpillFileError(named.empty() ? folderNamedByEnvironment() : named,
                             error.code().message());
    }
}

SpillFileError SpillFailure(const std::string& folder, int error) {
    return SpillFileError(folder, reasonFor(error));
}

std::FILE* OpenSpillFile(const std::string& folder) {
    const int descriptor = openUnnamedFile(folder);
    if (descriptor < 0)
        throw SpillFailure(folder, errno);
    std::FILE* file = ::fdopen(descriptor, "w+b");
    if (!file) {
        const int error = errno;
        ::close(descriptor);
        throw SpillFailure(folder, error);
    }
    return file;
}

} // namespace tallowmere
