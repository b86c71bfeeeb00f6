#include "EditorAssetLibrary.h"

#include "Editor.h"
#include "FileHelpers.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"

DEFINE_LOG_CATEGORY_STATIC(LogEditorScripting, Log, All);

bool UEditorAssetLibrary::SaveLoadedAsset(UObject* AssetToSave, bool bOnlyIfIsDirty)
{
	if (!GIsEditor || GEditor == nullptr)
	{
		UE_LOG(LogEditorScripting, Error, TEXT("SaveLoadedAsset. You are not in the Editor."));
		return false;
	}
	if (GEditor->IsPlaySessionInProgress())
	{
		UE_LOG(LogEditorScripting, Error, TEXT("SaveLoadedAsset. The Editor is currently in a play mode."));
		return false;
	}
	if (AssetToSave == nullptr)
	{
		UE_LOG(LogEditorScripting, Error, TEXT("SaveLoadedAsset. Failed to save object. The object is null."));
		return false;
	}
	UPackage* Package = AssetToSave->GetPackage();
	if (Package == nullptr || Package == GetTransientPackage() || AssetToSave->HasAnyFlags(RF_Transient))
	{
		UE_LOG(LogEditorScripting, Error, TEXT("SaveLoadedAsset. Failed to save object %s. It is not an asset."), *AssetToSave->GetPathName());
		return false;
	}
	// The saving utility skips a clean package when asked to, which counts as success.
	return UEditorLoadingAndSavingUtils::SavePackages({ Package }, bOnlyIfIsDirty);
}

IMPLEMENT_MODULE(FDefaultModuleImpl, EditorScriptingUtilities);
