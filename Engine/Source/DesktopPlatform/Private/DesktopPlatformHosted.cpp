#include "DesktopPlatformHosted.h"

#include "DesktopPlatformHostPrivate.h"
#include "Misc/Paths.h"

DEFINE_LOG_CATEGORY_STATIC(LogDesktopPlatform, Log, All);

using namespace UE::DesktopPlatformHost;

namespace
{
	/** Whether a filter pattern ("*.wav", "*.*", "*") accepts the file. */
	bool PatternAccepts(const FString& Pattern, const FString& Filename)
	{
		if (Pattern == TEXT("*") || Pattern == TEXT("*.*"))
		{
			return true;
		}
		if (Pattern.StartsWith(TEXT("*")))
		{
			return Filename.EndsWith(Pattern.RightChop(1), ESearchCase::IgnoreCase);
		}
		return FPaths::GetCleanFilename(Filename).Equals(Pattern, ESearchCase::IgnoreCase);
	}

	/** Index of the first "Description|Patterns" pair of FileTypes that accepts the file; 0 when none does. */
	int32 FindFilterIndex(const FString& FileTypes, const FString& Filename)
	{
		TArray<FString> Parts;
		FileTypes.ParseIntoArray(Parts, TEXT("|"), false);
		for (int32 PairIndex = 0; PairIndex * 2 + 1 < Parts.Num(); ++PairIndex)
		{
			TArray<FString> Patterns;
			Parts[PairIndex * 2 + 1].ParseIntoArray(Patterns, TEXT(";"), true);
			for (const FString& Pattern : Patterns)
			{
				if (PatternAccepts(Pattern.TrimStartAndEnd(), Filename))
				{
					return PairIndex;
				}
			}
		}
		return 0;
	}
}

bool FDesktopPlatformHosted::OpenDirectoryDialog(const void* ParentWindowHandle, const FString& DialogTitle, const FString& DefaultPath, FString& OutFolderName)
{
	FDialogRequest Request;
	Request.Kind = EDialogKind::Directory;
	Request.ParentWindowHandle = ParentWindowHandle;
	Request.Title = DialogTitle;
	Request.DefaultPath = DefaultPath;

	FString Answer = Private::AskHost(Request).TrimStartAndEnd();
	if (Answer.IsEmpty())
	{
		return false;
	}
	FPaths::NormalizeDirectoryName(Answer);
	OutFolderName = Answer;
	return true;
}

bool FDesktopPlatformHosted::OpenFileDialog(const void* ParentWindowHandle, const FString& DialogTitle, const FString& DefaultPath, const FString& DefaultFile, const FString& FileTypes, uint32 Flags, TArray<FString>& OutFilenames)
{
	int32 FilterIndex = 0;
	return OpenFileDialog(ParentWindowHandle, DialogTitle, DefaultPath, DefaultFile, FileTypes, Flags, OutFilenames, FilterIndex);
}

bool FDesktopPlatformHosted::OpenFileDialog(const void* ParentWindowHandle, const FString& DialogTitle, const FString& DefaultPath, const FString& DefaultFile, const FString& FileTypes, uint32 Flags, TArray<FString>& OutFilenames, int32& OutFilterIndex)
{
	FDialogRequest Request;
	Request.Kind = EDialogKind::OpenFile;
	Request.ParentWindowHandle = ParentWindowHandle;
	Request.Title = DialogTitle;
	Request.DefaultPath = DefaultPath;
	Request.DefaultFile = DefaultFile;
	Request.FileTypes = FileTypes;
	Request.Flags = Flags;

	TArray<FString> Picked;
	Private::AskHost(Request).ParseIntoArray(Picked, TEXT("|"), true);
	for (FString& Filename : Picked)
	{
		Filename.TrimStartAndEndInline();
		FPaths::NormalizeFilename(Filename);
	}
	Picked.RemoveAll([](const FString& Filename) { return Filename.IsEmpty(); });
	if (Picked.Num() == 0)
	{
		return false;
	}

	// A single-selection picker cannot return more than one file, whatever was typed.
	if ((Flags & EFileDialogFlags::Multiple) == 0 && Picked.Num() > 1)
	{
		UE_LOG(LogDesktopPlatform, Warning, TEXT("Single-selection file dialogue \"%s\" got %d files; only the first is used"), *DialogTitle, Picked.Num());
		Picked.SetNum(1);
	}

	OutFilterIndex = FindFilterIndex(FileTypes, Picked[0]);
	OutFilenames.Append(Picked);
	return true;
}
