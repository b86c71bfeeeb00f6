// The platform file layer: the file system operations the engine builds its file manager on.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"

class CORE_API IPlatformFile
{
public:
	virtual ~IPlatformFile() = default;

	virtual const TCHAR* GetName() const = 0;

	virtual bool FileExists(const TCHAR* Filename) = 0;
	/** Size in bytes, -1 when the file does not exist. */
	virtual int64 FileSize(const TCHAR* Filename) = 0;
	virtual bool DeleteFile(const TCHAR* Filename) = 0;
	virtual bool IsReadOnly(const TCHAR* Filename) = 0;
	virtual bool MoveFile(const TCHAR* To, const TCHAR* From) = 0;
	virtual bool CopyFile(const TCHAR* To, const TCHAR* From) = 0;

	virtual bool DirectoryExists(const TCHAR* Directory) = 0;
	/** Creates one folder; its parent must exist. True when it exists afterwards. */
	virtual bool CreateDirectory(const TCHAR* Directory) = 0;
	virtual bool DeleteDirectory(const TCHAR* Directory) = 0;

	/** Creates the folder and every missing parent. */
	virtual bool CreateDirectoryTree(const TCHAR* Directory);
	virtual bool DeleteDirectoryRecursively(const TCHAR* Directory);

	/** Copies the tree under Source into Destination; existing files are replaced only when bOverwriteAllExisting. */
	virtual bool CopyDirectoryTree(const TCHAR* DestinationDirectory, const TCHAR* Source, bool bOverwriteAllExisting);

	/** Full paths of the files directly in Directory, optionally only those with the extension ("ini" or ".ini"). */
	virtual void FindFiles(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension);
	/** As FindFiles, through every sub-folder. */
	virtual void FindFilesRecursively(TArray<FString>& FoundFiles, const TCHAR* Directory, const TCHAR* FileExtension);

	/** Calls Visitor with each entry of Directory (full path, whether it is a folder); stops when it returns false. */
	template<typename VisitorType>
	bool IterateDirectory(const TCHAR* Directory, VisitorType Visitor);

	/** Names of the entries directly inside Directory with their kind; false when Directory does not exist. */
	virtual bool ListDirectory(const TCHAR* Directory, TArray<FString>& OutPaths, TArray<bool>& OutIsDirectory) = 0;
};

template<typename VisitorType>
bool IPlatformFile::IterateDirectory(const TCHAR* Directory, VisitorType Visitor)
{
	TArray<FString> Paths;
	TArray<bool> IsDirectory;
	if (!ListDirectory(Directory, Paths, IsDirectory))
	{
		return false;
	}
	for (int32 Index = 0; Index < Paths.Num(); ++Index)
	{
		if (!Visitor(*Paths[Index], IsDirectory[Index]))
		{
			return false;
		}
	}
	return true;
}
