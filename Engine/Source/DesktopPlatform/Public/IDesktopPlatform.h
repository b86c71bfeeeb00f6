#pragma once

#include "CoreMinimal.h"

namespace EFileDialogFlags
{
	enum Type
	{
		None = 0x00,
		/** Allow several files to be picked. */
		Multiple = 0x01
	};
}

/** The platform's desktop services: here, its modal folder and file pickers. */
class IDesktopPlatform
{
public:
	virtual ~IDesktopPlatform() = default;

	/**
	 * Opens a modal folder picker.
	 * @return true when the user picked a folder, which is then written to OutFolderName.
	 */
	virtual bool OpenDirectoryDialog(const void* ParentWindowHandle, const FString& DialogTitle, const FString& DefaultPath, FString& OutFolderName) = 0;

	/**
	 * Opens a modal file picker. FileTypes is the platform filter text ("Wave|*.wav|All|*.*").
	 * @return true when the user picked at least one file; the picked files are added to OutFilenames.
	 */
	virtual bool OpenFileDialog(const void* ParentWindowHandle, const FString& DialogTitle, const FString& DefaultPath, const FString& DefaultFile, const FString& FileTypes, uint32 Flags, TArray<FString>& OutFilenames) = 0;

	/** As above; OutFilterIndex receives the index of the filter pair that was active. */
	virtual bool OpenFileDialog(const void* ParentWindowHandle, const FString& DialogTitle, const FString& DefaultPath, const FString& DefaultFile, const FString& FileTypes, uint32 Flags, TArray<FString>& OutFilenames, int32& OutFilterIndex) = 0;
};
