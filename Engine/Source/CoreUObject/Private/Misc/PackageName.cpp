#include "Misc/PackageName.h"
#include "Misc/Paths.h"

#include <filesystem>
#include <vector>

namespace
{
	struct FMountPoint
	{
		FString Root;
		FString Content;
	};

	/** Never destroyed: the asset registry unmounts its roots while statics are destroyed at exit. */
	std::vector<FMountPoint>& MountPoints()
	{
		static std::vector<FMountPoint>* Points = new std::vector<FMountPoint>();
		return *Points;
	}

	FString WithTrailingSlash(const FString& In)
	{
		FString Out = In;
		Out.ReplaceCharInline(TEXT('\\'), TEXT('/'));
		if (!Out.EndsWith(TEXT("/")))
		{
			Out += TEXT("/");
		}
		return Out;
	}

	bool FileExists(const FString& Path)
	{
		std::error_code Error;
		return std::filesystem::is_regular_file(std::filesystem::path(std::u16string(*Path)), Error);
	}
}

void FPackageName::RegisterMountPoint(const FString& RootPath, const FString& ContentPath)
{
	UnRegisterMountPoint(RootPath, ContentPath);
	MountPoints().push_back(FMountPoint{ WithTrailingSlash(RootPath), WithTrailingSlash(ContentPath) });
}

void FPackageName::UnRegisterMountPoint(const FString& RootPath, const FString& ContentPath)
{
	const FString Root = WithTrailingSlash(RootPath);
	std::vector<FMountPoint>& Points = MountPoints();
	for (size_t Index = 0; Index < Points.size(); ++Index)
	{
		if (Points[Index].Root == Root)
		{
			Points.erase(Points.begin() + (std::ptrdiff_t)Index);
			return;
		}
	}
}

bool FPackageName::MountPointExists(const FString& RootPath)
{
	const FString Root = WithTrailingSlash(RootPath);
	for (const FMountPoint& Point : MountPoints())
	{
		if (Point.Root == Root)
		{
			return true;
		}
	}
	return false;
}

bool FPackageName::IsValidLongPackageName(const FString& InLongPackageName, bool bIncludeReadOnlyRoots, FText* OutReason)
{
	auto Reject = [OutReason](const TCHAR* Reason) {
		if (OutReason)
		{
			*OutReason = FText::FromString(FString(Reason));
		}
		return false;
	};
	if (InLongPackageName.IsEmpty())
	{
		return Reject(TEXT("Input is empty."));
	}
	if (!InLongPackageName.StartsWith(TEXT("/")))
	{
		return Reject(TEXT("Path should start with a '/'"));
	}
	if (InLongPackageName.EndsWith(TEXT("/")) || InLongPackageName.Contains(TEXT("//")))
	{
		return Reject(TEXT("Path may not end with a '/' or contain '//'"));
	}
	for (TCHAR Char : InLongPackageName)
	{
		if (Char == TEXT('.') || Char == TEXT(':') || Char == TEXT('\\') || Char == TEXT(' ') || Char == TEXT('"') || Char == TEXT('\''))
		{
			return Reject(TEXT("Path may not contain the characters . : \\ space or quotes"));
		}
	}
	const bool bReadOnlyRoot = InLongPackageName.StartsWith(TEXT("/Script/")) || InLongPackageName.StartsWith(TEXT("/Temp/")) || InLongPackageName.StartsWith(TEXT("/Memory/"));
	if (bReadOnlyRoot)
	{
		return bIncludeReadOnlyRoots ? true : Reject(TEXT("Path is in a read-only root"));
	}
	for (const FMountPoint& Point : MountPoints())
	{
		if (InLongPackageName.StartsWith(Point.Root, ESearchCase::CaseSensitive))
		{
			return true;
		}
	}
	if (InLongPackageName.StartsWith(TEXT("/Engine/")) || InLongPackageName.StartsWith(TEXT("/Game/")))
	{
		return true;
	}
	return Reject(TEXT("Path does not start with a valid root"));
}

bool FPackageName::TryConvertFilenameToLongPackageName(const FString& InFilename, FString& OutPackageName, FString* OutFailureReason)
{
	FString Filename = InFilename;
	Filename.ReplaceCharInline(TEXT('\\'), TEXT('/'));
	// "Stage.umap.json" and "Stage.umap" both name the package "Stage".
	Filename.RemoveFromEnd(TEXT(".json"));
	int32 Dot = INDEX_NONE;
	int32 Slash = INDEX_NONE;
	Filename.FindLastChar(TEXT('.'), Dot);
	Filename.FindLastChar(TEXT('/'), Slash);
	if (Dot != INDEX_NONE && Dot > Slash)
	{
		Filename = Filename.Left(Dot);
	}
	for (const FMountPoint& Point : MountPoints())
	{
		if (Filename.StartsWith(Point.Content, ESearchCase::CaseSensitive))
		{
			OutPackageName = Point.Root + Filename.Mid(Point.Content.Len());
			return true;
		}
	}
	if (Filename.StartsWith(TEXT("/")) && IsValidLongPackageName(Filename, true))
	{
		OutPackageName = Filename;
		return true;
	}
	if (OutFailureReason)
	{
		*OutFailureReason = FString::Printf(TEXT("'%s' is not under a mounted content folder"), *InFilename);
	}
	return false;
}

bool FPackageName::TryConvertLongPackageNameToFilename(const FString& InLongPackageName, FString& OutFilename, const FString& InExtension)
{
	for (const FMountPoint& Point : MountPoints())
	{
		if (InLongPackageName.StartsWith(Point.Root, ESearchCase::CaseSensitive))
		{
			OutFilename = Point.Content + InLongPackageName.Mid(Point.Root.Len()) + InExtension;
			return true;
		}
	}
	return false;
}

FString FPackageName::LongPackageNameToFilename(const FString& InLongPackageName, const FString& InExtension)
{
	FString Result;
	checkf(TryConvertLongPackageNameToFilename(InLongPackageName, Result, InExtension), TEXT("LongPackageNameToFilename: '%s' is not under a mounted root"), *InLongPackageName);
	return Result;
}

FString FPackageName::GetShortName(const FString& LongName)
{
	FString Name = LongName;
	int32 Slash = INDEX_NONE;
	if (Name.FindLastChar(TEXT('/'), Slash))
	{
		Name = Name.Mid(Slash + 1);
	}
	int32 Dot = INDEX_NONE;
	if (Name.FindChar(TEXT('.'), Dot))
	{
		Name = Name.Left(Dot);
	}
	return Name;
}

FString FPackageName::GetLongPackagePath(const FString& InLongPackageName)
{
	int32 Slash = INDEX_NONE;
	return InLongPackageName.FindLastChar(TEXT('/'), Slash) ? InLongPackageName.Left(Slash) : InLongPackageName;
}

FString FPackageName::ObjectPathToPackageName(const FString& InObjectPath)
{
	int32 Dot = INDEX_NONE;
	return InObjectPath.FindChar(TEXT('.'), Dot) ? InObjectPath.Left(Dot) : InObjectPath;
}

const FString& FPackageName::GetAssetPackageExtension()
{
	static const FString Extension(TEXT(".uasset"));
	return Extension;
}

const FString& FPackageName::GetMapPackageExtension()
{
	static const FString Extension(TEXT(".umap"));
	return Extension;
}

bool FPackageName::DoesPackageExist(const FString& LongPackageName, FString* OutFilename)
{
	FString Base;
	if (!TryConvertLongPackageNameToFilename(ObjectPathToPackageName(LongPackageName), Base))
	{
		return false;
	}
	for (const TCHAR* Extension : { TEXT(".uasset.json"), TEXT(".umap.json"), TEXT(".uasset"), TEXT(".umap") })
	{
		const FString Candidate = Base + Extension;
		if (FileExists(Candidate))
		{
			if (OutFilename)
			{
				*OutFilename = Candidate;
			}
			return true;
		}
	}
	return false;
}
