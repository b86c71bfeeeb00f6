#include "HAL/FileManager.h"

#include "HAL/PlatformFileManager.h"
#include "HAL/Wildcard.h"
#include "Misc/CoreHostState.h"
#include "Misc/Paths.h"

using namespace UE::Core::Private;

namespace
{
	/** A file search pattern: "*" and "*.*" both mean every entry, names without a dot included, as on
	 *  Windows; any other pattern is a plain wildcard. */
	bool MatchesSearchPattern(const std::u16string& Name, const std::u16string& Pattern)
	{
		return Pattern == u"*" || Pattern == u"*.*" || MatchesWildcard(Name, Pattern);
	}

	class FFileManagerGeneric final : public IFileManager
	{
	public:
		IPlatformFile& Platform()
		{
			return FPlatformFileManager::Get().GetPlatformFile();
		}

		bool Delete(const TCHAR* Filename, bool RequireExists, bool EvenReadOnly, bool Quiet) override
		{
			if (!Platform().FileExists(Filename))
			{
				return !RequireExists;
			}
			if (Platform().IsReadOnly(Filename) && !EvenReadOnly)
			{
				return false;
			}
			return Platform().DeleteFile(Filename);
		}

		uint32 Copy(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool EvenIfReadOnly, bool Attributes) override
		{
			if (!Platform().FileExists(Src))
			{
				return COPY_Fail;
			}
			if (!Replace && Platform().FileExists(Dest))
			{
				return COPY_Fail;
			}
			if (Platform().FileExists(Dest) && Platform().IsReadOnly(Dest) && !EvenIfReadOnly)
			{
				return COPY_Fail;
			}
			MakeDirectory(*FPaths::GetPath(FString(Dest)), true);
			return Platform().CopyFile(Dest, Src) ? COPY_OK : COPY_Fail;
		}

		bool Move(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool EvenIfReadOnly, bool Attributes, bool bDoNotRetryOrError) override
		{
			if (!Platform().FileExists(Src) && !Platform().DirectoryExists(Src))
			{
				return false;
			}
			if (Platform().FileExists(Dest))
			{
				if (!Replace || (Platform().IsReadOnly(Dest) && !EvenIfReadOnly) || !Platform().DeleteFile(Dest))
				{
					return false;
				}
			}
			MakeDirectory(*FPaths::GetPath(FString(Dest)), true);
			return Platform().MoveFile(Dest, Src);
		}

		bool FileExists(const TCHAR* Filename) override
		{
			return Platform().FileExists(Filename);
		}

		bool DirectoryExists(const TCHAR* InDirectory) override
		{
			return Platform().DirectoryExists(InDirectory);
		}

		bool MakeDirectory(const TCHAR* Path, bool Tree) override
		{
			if (!Path || !*Path)
			{
				return false;
			}
			return Tree ? Platform().CreateDirectoryTree(Path) : Platform().CreateDirectory(Path);
		}

		bool DeleteDirectory(const TCHAR* Path, bool RequireExists, bool Tree) override
		{
			if (!Platform().DirectoryExists(Path))
			{
				return !RequireExists;
			}
			return Tree ? Platform().DeleteDirectoryRecursively(Path) : Platform().DeleteDirectory(Path);
		}

		int64 FileSize(const TCHAR* Filename) override
		{
			return Platform().FileSize(Filename);
		}

		void FindFiles(TArray<FString>& FileNames, const TCHAR* Filename, bool Files, bool Directories) override
		{
			FString Full(Filename);
			FPaths::NormalizeFilename(Full);
			const FString Directory = FPaths::GetPath(Full);
			std::u16string Pattern = ToStd(FPaths::GetCleanFilename(Full));
			if (Pattern.empty())
			{
				Pattern = u"*";
			}
			Platform().IterateDirectory(*Directory, [&](const TCHAR* EntryPath, bool bIsDirectory) {
				const FString Clean = FPaths::GetCleanFilename(FString(EntryPath));
				if (((bIsDirectory && Directories) || (!bIsDirectory && Files)) && MatchesSearchPattern(ToStd(Clean), Pattern))
				{
					FileNames.Add(Clean);
				}
				return true;
			});
		}

		void FindFilesRecursive(TArray<FString>& FileNames, const TCHAR* StartDirectory, const TCHAR* Filename, bool Files, bool Directories, bool bClearFileNames) override
		{
			if (bClearFileNames)
			{
				FileNames.Empty();
			}
			FString Start(StartDirectory);
			FPaths::NormalizeDirectoryName(Start);
			const std::u16string Pattern = ToStd(FString(Filename));
			FindRecursive(FileNames, Start, Pattern, Files, Directories);
		}

		FString ConvertToAbsolutePathForExternalAppForRead(const TCHAR* Filename) override
		{
			return FPaths::ConvertRelativePathToFull(FString(Filename));
		}

	private:
		void FindRecursive(TArray<FString>& FileNames, const FString& Directory, const std::u16string& Pattern, bool Files, bool Directories)
		{
			TArray<FString> SubDirectories;
			Platform().IterateDirectory(*Directory, [&](const TCHAR* EntryPath, bool bIsDirectory) {
				const FString Path(EntryPath);
				const bool bWanted = bIsDirectory ? Directories : Files;
				if (bWanted && MatchesSearchPattern(ToStd(FPaths::GetCleanFilename(Path)), Pattern))
				{
					FileNames.Add(Path);
				}
				if (bIsDirectory)
				{
					SubDirectories.Add(Path);
				}
				return true;
			});
			for (const FString& SubDirectory : SubDirectories)
			{
				FindRecursive(FileNames, SubDirectory, Pattern, Files, Directories);
			}
		}
	};
}

IFileManager& IFileManager::Get()
{
	static FFileManagerGeneric Manager;
	return Manager;
}

void IFileManager::FindFiles(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension)
{
	if (!Directory || !*Directory)
	{
		return;
	}
	FString Pattern(Directory);
	FPaths::NormalizeDirectoryName(Pattern);
	// A given wildcard ("*.ini", "Default*.*") is searched as it stands; a bare extension becomes "*.<ext>".
	std::u16string Wildcard = FileExtension ? std::u16string(FileExtension) : std::u16string();
	if (Wildcard.empty())
	{
		Wildcard = u"*.*";
	}
	else if (Wildcard.find(u'*') == std::u16string::npos)
	{
		Wildcard = (Wildcard.front() == u'.' ? u"*" : u"*.") + Wildcard;
	}
	FindFiles(FoundFiles, *(Pattern + TEXT("/") + FromStd(Wildcard)), true, false);
}
