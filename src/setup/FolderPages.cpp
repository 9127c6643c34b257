// The installation-directory and program-folder pages: the folder check,
// the Browse button and the tree of Start-menu folders.
#include "DirectoryPath.h"
#include "FindFile.h"
#include "FolderPaths.h"
#include "Main.h"
#include "ShellApi.h"
#include "ShellFolders.h"
#include "Unit_LanguagePack.h"
#include "Unit_Paths.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int ClosedFolderImage = 0, OpenFolderImage = 1;

// Locale-aware and case-sensitive, as the user's locale sorts names.
bool SortsBefore(const std::string& A, const std::string& B)
{
    return CompareStringA(LOCALE_USER_DEFAULT, 0, A.c_str(), static_cast<int>(A.size()), B.c_str(),
                          static_cast<int>(B.size())) == CSTR_LESS_THAN;
}

// Makes Dir and every missing directory above it; true when Dir was made.
bool MakeDirectory(const std::string& Dir)
{
    return MakeSureDirectoryPathExists(Dir) && CreateDirectoryA(Dir.c_str(), nullptr);
}

}  // namespace

bool TMainForm::FolderCheck(const std::string& Path)
{
    if (DirectoryExists(Path))
        return true;
    // Made absolute first: a ".." in the path would otherwise have the undo
    // below remove a directory that was there before. A trailing backslash
    // names the directory before it.
    const std::string Dir = RemoveTrailingBackslash(FullPathName(Path));
    TSplitPath Split = SplitExistingPath(Dir, DirectoryExists);
    const bool Made = MakeDirectory(Dir);
    // Undo what was made, deepest first; a removal that fails is left.
    for (std::string Missing = Split.Missing; !Missing.empty();) {
        RemoveDirectoryA(CombinePath(Split.Existing, Missing).c_str());
        std::string::size_type Cut = Missing.rfind('\\');
        Missing.resize(Cut == std::string::npos ? 0 : Cut);
    }
    return Made;
}

void TMainForm::BrowseButtonClick()
{
    std::string Picked = BrowseForFolder();
    if (!Picked.empty())
        InstallDirEdit.SetText(Picked);
}

std::string TMainForm::BrowseForFolder()
{
    char Buffer[MAX_PATH] = {};
    BROWSEINFOA Info{};
    Info.hwndOwner = Handle();
    Info.pidlRoot = nullptr;
    Info.pszDisplayName = Buffer;
    Info.lpszTitle = LanguagePack->BrowseTitleText.c_str();
    Info.ulFlags = 0;
    std::string Result;
    if (LPITEMIDLIST Item = ShellApi::BrowseForFolder(&Info)) {
        char Path[MAX_PATH] = {};
        if (ShellApi::GetPathFromIDList(Item, Path))
            Result = Path;
        CoTaskMemFree(Item);
    }
    return Result;
}

void TMainForm::FillProgFoldersTree()
{
    ProgFoldersTree.Clear();
    const std::string Programs = GetProgramsFolder(Handle());
    std::string RootText;
    FindFile Self(Programs);
    if (!Programs.empty() && Self.Found())
        RootText = Self.Data().cFileName;
    HTREEITEM Root = ProgFoldersTree.Add(nullptr, RootText, ClosedFolderImage, OpenFolderImage);
    // Without a Programs folder the searches would run in the current
    // directory: the root stays alone.
    if (!Programs.empty())
        AddSubFolders(Root, Programs);
    ProgFoldersTree.Expand(Root);
}

void TMainForm::AddSubFolders(HTREEITEM Node, const std::string& Path)
{
    // The names are sorted before they are added, so every level of the
    // tree comes out in order.
    std::vector<std::string> Names;
    for (FindFile Search(CombinePath(Path, "*.*")); Search.Found(); Search.Next()) {
        const WIN32_FIND_DATAA& Entry = Search.Data();
        std::string Name = Entry.cFileName;
        if (Search.IsDirectory() && !(Entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) &&
            Name != "." && Name != "..")
            Names.push_back(Name);
    }
    std::stable_sort(Names.begin(), Names.end(), SortsBefore);
    for (const std::string& Name : Names)
        AddSubFolders(ProgFoldersTree.Add(Node, Name, ClosedFolderImage, OpenFolderImage), CombinePath(Path, Name));
}

void TMainForm::ProgFoldersTreeChange(HTREEITEM Node)
{
    std::vector<std::string> Texts;
    for (; HTREEITEM Parent = ProgFoldersTree.ParentOf(Node); Node = Parent)
        Texts.insert(Texts.begin(), ProgFoldersTree.NodeText(Node));
    ProgFolderEdit.SetText(NodePath(Texts));
}
