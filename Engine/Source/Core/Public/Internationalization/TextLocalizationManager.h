// FTextLocalizationManager: the live table of display strings for the current culture.
#pragma once

#include "CoreTypes.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "Delegates/Delegate.h"
#include "Internationalization/TextLocalizationResource.h"
#include "Templates/SharedPointer.h"

typedef TSharedPtr<const FString, ESPMode::ThreadSafe> FTextConstDisplayStringPtr;

class CORE_API FTextLocalizationManager
{
public:
	static FTextLocalizationManager& Get();

	/** The translation for (namespace, key) if one exists for SourceString (or for any source when null). */
	FTextConstDisplayStringPtr FindDisplayString(const FTextKey& Namespace, const FTextKey& Key, const FString* const SourceString = nullptr) const;

	/** Merges translations into the live table (the current culture's strings). */
	void UpdateFromLocalizationResource(const FTextLocalizationResource& TextLocalizationResource);

	/** Rebuilds the live table for the current culture from the registered culture resources. */
	void RefreshResources();

	/** Changes whenever display strings may have changed; texts use it to refresh themselves. */
	uint16 GetTextRevision() const { return TextRevisionCounter; }

	DECLARE_EVENT(FTextLocalizationManager, FTextRevisionChangedEvent)
	FTextRevisionChangedEvent OnTextRevisionChangedEvent;

	// Stand-in host API: translations per culture, applied when that culture (or a child of it) is current.
	// The headless editor loads them from the project's localisation files.

	void AddOrUpdateCultureResource(const FString& CultureName, const FTextLocalizationResource& Resource);
	void RemoveCultureResources();

private:
	FTextLocalizationManager() = default;
	void DirtyTextRevision();

	TMap<FString, FTextLocalizationResource::FEntry, FDefaultSetAllocator, FLocKeyMapFuncs<FTextLocalizationResource::FEntry>> LiveTable;
	TMap<FString, FTextLocalizationResource> CultureResources;
	uint16 TextRevisionCounter = 1;
};
