#include "HAL/PlatformFileManager.h"

#include "Misc/CoreHostState.h"
#include "Misc/Paths.h"
#include "Misc/Utf8Conversion.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

using namespace UE::Core::Private;
namespace fs = std::filesystem;

namespace
{
	fs::path FsPath(const TCHAR* Path)
	{
		return fs::path(ToUtf8(Path));
	}

	FString FromFs(const fs::path& Path)
	{
		return Utf8ToFString(Path.generic_string());
	}

	bool ExtensionMatches(const fs::path& Path, const TCHAR* FileExtension)
	{
		if (!FileExtension || !*FileExtension)
		{
			return true;
		}
		std::string Wanted = ToUtf8(FileExtension);
		if (!Wanted.empty() && Wanted.front() == '.')
		{
			Wanted.erase(0, 1);
		}
		std::string Actual = Path.extension().string();
		if (!Actual.empty())
		{
			Actual.erase(0, 1);
		}
		if (Wanted.size() != Actual.size())
		{
			return false;
		}
		for (size_t Index = 0; Index < Wanted.size(); ++Index)
		{
			if (std::tolower(uint8(Wanted[Index])) != std::tolower(uint8(Actual[Index])))
			{
				return false;
			}
		}
		return true;
	}

	class FPhysicalPlatformFile final : public IPlatformFile
	{
	public:
		const TCHAR* GetName() const override
		{
			return TEXT("PhysicalFile");
		}

		bool FileExists(const TCHAR* Filename) override
		{
			std::error_code Error;
			return fs::is_regular_file(FsPath(Filename), Error);
		}

		int64 FileSize(const TCHAR* Filename) override
		{
			std::error_code Error;
			const fs::path Path = FsPath(Filename);
			if (!fs::is_regular_file(Path, Error))
			{
				return -1;
			}
			const uintmax_t Size = fs::file_size(Path, Error);
			return Error ? -1 : int64(Size);
		}

		bool DeleteFile(const TCHAR* Filename) override
		{
			std::error_code Error;
			const fs::path Path = FsPath(Filename);
			return fs::is_regular_file(Path, Error) && fs::remove(Path, Error);
		}

		bool IsReadOnly(const TCHAR* Filename) override
		{
			std::error_code Error;
			const fs::file_status Status = fs::status(FsPath(Filename), Error);
			return !Error && (Status.permissions() & fs::perms::owner_write) == fs::perms::none;
		}

		bool MoveFile(const TCHAR* To, const TCHAR* From) override
		{
			std::error_code Error;
			fs::rename(FsPath(From), FsPath(To), Error);
			return !Error;
		}

		bool CopyFile(const TCHAR* To, const TCHAR* From) override
		{
			std::error_code Error;
			return fs::copy_file(FsPath(From), FsPath(To), fs::copy_options::overwrite_existing, Error) && !Error;
		}

		bool DirectoryExists(const TCHAR* Directory) override
		{
			std::error_code Error;
			return fs::is_directory(FsPath(Directory), Error);
		}

		bool CreateDirectory(const TCHAR* Directory) override
		{
			std::error_code Error;
			const fs::path Path = FsPath(Directory);
			fs::create_directory(Path, Error);
			return fs::is_directory(Path, Error);
		}

		bool DeleteDirectory(const TCHAR* Directory) override
		{
			std::error_code Error;
			const fs::path Path = FsPath(Directory);
			// Only an empty folder goes; remove() refuses a non-empty one.
			return fs::is_directory(Path, Error) && fs::remove(Path, Error);
		}

		bool ListDirectory(const TCHAR* Directory, TArray<FString>& OutPaths, TArray<bool>& OutIsDirectory) override
		{
			std::error_code Error;
			const fs::path Path = FsPath(Directory);
			if (!fs::is_directory(Path, Error))
			{
				return false;
			}
			std::vector<fs::directory_entry> Entries;
			for (const fs::directory_entry& Entry : fs::directory_iterator(Path, Error))
			{
				Entries.push_back(Entry);
			}
			// Directory order is arbitrary on Linux; a sorted listing keeps every run the same.
			std::sort(Entries.begin(), Entries.end(), [](const fs::directory_entry& A, const fs::directory_entry& B) { return A.path() < B.path(); });
			for (const fs::directory_entry& Entry : Entries)
			{
				OutPaths.Add(FromFs(Entry.path()));
				OutIsDirectory.Add(Entry.is_directory(Error));
			}
			return true;
		}
	};
}

bool IPlatformFile::CreateDirectoryTree(const TCHAR* Directory)
{
	std::error_code Error;
	const fs::path Path = FsPath(Directory);
	fs::create_directories(Path, Error);
	return fs::is_directory(Path, Error);
}

bool IPlatformFile::DeleteDirectoryRecursively(const TCHAR* Directory)
{
	std::error_code Error;
	const fs::path Path = FsPath(Directory);
	if (!fs::is_directory(Path, Error))
	{
		return false;
	}
	fs::remove_all(Path, Error);
	return !Error && !fs::exists(Path, Error);
}

bool IPlatformFile::CopyDirectoryTree(const TCHAR* DestinationDirectory, const TCHAR* Source, bool bOverwriteAllExisting)
{
	const fs::path From = FsPath(Source);
	const fs::path To = FsPath(DestinationDirectory);
	std::error_code Error;
	if (!fs::is_directory(From, Error))
	{
		return false;
	}
	if (!CreateDirectoryTree(DestinationDirectory))
	{
		return false;
	}
	for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(From, Error))
	{
		const fs::path Target = To / fs::relative(Entry.path(), From, Error);
		if (Entry.is_directory(Error))
		{
			fs::create_directories(Target, Error);
			continue;
		}
		if (fs::exists(Target, Error) && !bOverwriteAllExisting)
		{
			continue;
		}
		fs::create_directories(Target.parent_path(), Error);
		if (!fs::copy_file(Entry.path(), Target, fs::copy_options::overwrite_existing, Error))
		{
			return false;
		}
	}
	return !Error;
}

void IPlatformFile::FindFiles(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension)
{
	TArray<FString> Paths;
	TArray<bool> IsDirectory;
	ListDirectory(Directory, Paths, IsDirectory);
	for (int32 Index = 0; Index < Paths.Num(); ++Index)
	{
		if (!IsDirectory[Index] && ExtensionMatches(fs::path(ToUtf8(Paths[Index])), FileExtension))
		{
			FoundFiles.Add(Paths[Index]);
		}
	}
}

void IPlatformFile::FindFilesRecursively(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension)
{
	TArray<FString> Paths;
	TArray<bool> IsDirectory;
	ListDirectory(Directory, Paths, IsDirectory);
	for (int32 Index = 0; Index < Paths.Num(); ++Index)
	{
		if (IsDirectory[Index])
		{
			FindFilesRecursively(FoundFiles, *Paths[Index], FileExtension);
		}
		else if (ExtensionMatches(fs::path(ToUtf8(Paths[Index])), FileExtension))
		{
			FoundFiles.Add(Paths[Index]);
		}
	}
}

FPlatformFileManager& FPlatformFileManager::Get()
{
	static FPlatformFileManager Manager;
	return Manager;
}

IPlatformFile& FPlatformFileManager::GetPlatformFile()
{
	return GetPlatformPhysical();
}

IPlatformFile& FPlatformFileManager::GetPlatformPhysical()
{
	static FPhysicalPlatformFile Physical;
	return Physical;
}
