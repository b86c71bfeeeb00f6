// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"

namespace QuovexPluginUtils
{
	/** Name of the plugin as the plugin manager knows it. */
	QUOVEXVIRTUALPRODUCTION_API extern const TCHAR* PluginName;

	/** Long package path of the folder holding the panel Blueprints, without a trailing slash ("/QuovexSuite/Editor/Panels"). */
	QUOVEXVIRTUALPRODUCTION_API FString GetEditorPath();

	/** The plugin's folder on disk, or an empty string when the plugin manager does not know it. */
	QUOVEXVIRTUALPRODUCTION_API FString GetPluginBaseDir();
}
