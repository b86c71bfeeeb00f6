// Translations of the project and its plugins, read from Content/Localization/<Culture>.json.
#pragma once

#include "CoreMinimal.h"

namespace UE::EditorHost::Private
{
	/**
	 * Registers every culture file of the project's and the enabled plugins' Localization folders
	 * with the text localisation manager. A file is {"Namespace": {"Key": {"Source": "...",
	 * "Translation": "..."}}}; a malformed file is reported and skipped.
	 */
	void LoadTranslations();
}
