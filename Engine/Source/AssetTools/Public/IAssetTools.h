// Asset operations of the editor: duplication.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Interface.h"
#include "IAssetTools.generated.h"

UINTERFACE(MinimalAPI, meta = (CannotImplementInterfaceInBlueprint))
class UAssetTools : public UInterface
{
	GENERATED_BODY()
};

/** The editor's asset operations, reached through FAssetToolsModule or IAssetTools::Get(). */
class ASSETTOOLS_API IAssetTools
{
	GENERATED_BODY()

public:
	/** The asset tools of the loaded AssetTools module. */
	static IAssetTools& Get();

	/**
	 * Creates a new asset by duplicating OriginalObject into the package PackagePath/AssetName.
	 * Returns the new object, or null when the name or path is invalid or an asset already exists there.
	 */
	virtual UObject* DuplicateAsset(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject) = 0;

	/** As DuplicateAsset; the editor would ask the user to resolve a name clash, the stand-in has nobody to ask and refuses. */
	virtual UObject* DuplicateAssetWithDialog(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject) = 0;

	/** As DuplicateAssetWithDialog, with the dialog's title. */
	virtual UObject* DuplicateAssetWithDialogAndTitle(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject, FText DialogTitle) = 0;
};
