#include "guards/FolderGuard.h"

#include <cstring>
#include <iterator>

#include "guards/StandardFolders.h"
#include "text/AnsiText.h"
#include "text/PathResolution.h"

namespace uninst {

// A key of the standard folders' table, asked for once; null when it cannot be opened.
struct FolderGuard::OpenedKey {
    RootKey root;
    const char* path;
    std::unique_ptr<Registry> key;
};

FolderGuard::FolderGuard(RegistryFactory& registry, LongPaths& longPaths, KnownFolders& known)
    : registry_(registry)
    , longPaths_(longPaths)
    , known_(known)
{}

FolderGuard::~FolderGuard() = default;

std::optional<FolderRefusal> FolderGuard::IsSystemFolder(const std::string& path)
{
    // Compared as the system resolves them, since that is what a removal acts on. A path
    // that resolves against the current folder (an empty one too), or that the text alone
    // cannot resolve, might be any folder; a drive or share root is no application's.
    const auto resolved = ResolvePath(path);
    if (!resolved)
        return FolderRefusal::Unresolvable;
    if (resolved->back() == '\\')
        return FolderRefusal::Root;
    // A short name reaches the same folder as its long one ("FAVO~X2L" is "Favorites").
    const std::string wanted = LowerAscii(LongSpelling(*resolved));
    const std::string parent = wanted.substr(0, wanted.rfind('\\'));
    for (std::size_t index = 0; index < std::size(kStandardFolders); ++index) {
        // A folder in the profiles' folder is a user's profile root, or the all-users one.
        const bool profiles = kStandardFolders[index].known == KnownFolder::Profiles;
        const std::string& standard = Standard(index);
        if (!standard.empty() && (standard == wanted || (profiles && standard == parent)))
            return FolderRefusal::Standard;
    }
    return std::nullopt;
}

std::string FolderGuard::ShellFolderPath(std::size_t index)
{
    const StandardFolder& folder = kStandardFolders[index];
    if (folder.known != KnownFolder::None)
        return known_.KnownFolderPath(folder.known);
    auto opened = keys_.begin();
    while (opened != keys_.end() && !(opened->root == folder.root && std::strcmp(opened->path, folder.key) == 0))
        ++opened;
    if (opened == keys_.end()) {
        auto key = registry_.CreateRegistry();
        key->SetRoot(folder.root);
        if (!key->OpenKey(folder.key))
            key.reset();
        opened = keys_.insert(keys_.end(), OpenedKey{folder.root, folder.key, std::move(key)});
    }
    return opened->key ? opened->key->ReadString(folder.valueName) : std::string();
}

const std::string& FolderGuard::Standard(std::size_t index)
{
    // Read in order and only as far as a question goes: a value that is no string fails
    // the question that first reaches it, as a read on every question would.
    while (standard_.size() <= index) {
        std::string folder;
        if (const auto resolved = ResolvePath(ShellFolderPath(standard_.size())))
            folder = LowerAscii(LongSpelling(*resolved));
        standard_.push_back(std::move(folder));
    }
    return standard_[index];
}

std::string FolderGuard::LongSpelling(const std::string& path)
{
    // The short names the system makes all hold a "~" ("PROGRA~1", "FAVO~X2L"); a path
    // without one is spelled long already. Asking the system costs a read of every folder
    // on the path (milliseconds under Wine), and the guard answers for every folder and
    // shortcut removed. Short names set by hand, which takes an administrator, are not
    // looked for.
    return path.find('~') == std::string::npos ? path : longPaths_.LongPath(path);
}

}  // namespace uninst
