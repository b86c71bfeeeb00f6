// Copyright Quovex. All Rights Reserved.

#include "QuovexPluginUtils.h"

#include "Interfaces/IPluginManager.h"

namespace QuovexPluginUtils
{
	const TCHAR* PluginName = TEXT("QuovexSuite");

	FString GetEditorPath()
	{
		// The mount point follows the plugin's name, so a renamed or relocated plugin folder still resolves.
		FString MountedPath = FString::Printf(TEXT("/%s/"), PluginName);
		if (const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(PluginName))
		{
			MountedPath = Plugin->GetMountedAssetPath();
		}
		if (!MountedPath.EndsWith(TEXT("/")))
		{
			MountedPath += TEXT("/");
		}
		return MountedPath + TEXT("Editor/Panels");
	}

	FString GetPluginBaseDir()
	{
		const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(PluginName);
		return Plugin.IsValid() ? Plugin->GetBaseDir() : FString();
	}
}
