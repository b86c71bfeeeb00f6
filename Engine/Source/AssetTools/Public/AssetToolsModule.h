// The AssetTools module and its access to IAssetTools.

#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "IAssetTools.h"

/** The module that owns the editor's asset tools. */
class FAssetToolsModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** The asset tools. */
	virtual IAssetTools& Get() const;

	/** The module, loaded on demand. */
	static FAssetToolsModule& GetModule()
	{
		static const FName ModuleName(TEXT("AssetTools"));
		return FModuleManager::LoadModuleChecked<FAssetToolsModule>(ModuleName);
	}

	/** Whether the module is loaded. */
	static bool IsModuleLoaded()
	{
		static const FName ModuleName(TEXT("AssetTools"));
		return FModuleManager::Get().IsModuleLoaded(ModuleName);
	}

private:
	/** The object implementing the asset tools; rooted while the module runs. */
	UObject* AssetToolsObject = nullptr;
};
