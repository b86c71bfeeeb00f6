// The object behind IAssetTools.

#pragma once

#include "CoreMinimal.h"
#include "IAssetTools.h"
#include "UObject/Object.h"
#include "AssetToolsImpl.generated.h"

/** Implements the editor's asset operations over the object system and the asset registry. */
UCLASS(transient)
class UAssetToolsImpl : public UObject, public IAssetTools
{
	GENERATED_BODY()

public:
	virtual UObject* DuplicateAsset(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject) override;
	virtual UObject* DuplicateAssetWithDialog(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject) override;
	virtual UObject* DuplicateAssetWithDialogAndTitle(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject, FText DialogTitle) override;
};
