// The live display-string table and the per-culture resources it is rebuilt from.

#include "Internationalization/TextLocalizationManager.h"
#include "Internationalization/Internationalization.h"

FString FTextLocalizationResource::MakeId(const FTextKey& InNamespace, const FTextKey& InKey)
{
	return InNamespace.ToString() + TEXT("\x1f") + InKey.ToString();
}

void FTextLocalizationResource::AddEntry(const FTextKey& InNamespace, const FTextKey& InKey, const FString& InSourceString, const FString& InLocalizedString, const int32 InPriority, const FTextKey& InLocResID)
{
	const FString Id = MakeId(InNamespace, InKey);
	FEntry* Existing = Entries.Find(Id);
	if (Existing && Existing->Priority <= InPriority)
	{
		return;
	}
	FEntry Entry;
	Entry.SourceString = InSourceString;
	Entry.LocalizedString = InLocalizedString;
	Entry.Priority = InPriority;
	if (Existing)
	{
		*Existing = MoveTemp(Entry);
	}
	else
	{
		Entries.Add(Id, MoveTemp(Entry));
	}
}

FTextLocalizationManager& FTextLocalizationManager::Get()
{
	static FTextLocalizationManager* Singleton = new FTextLocalizationManager();
	return *Singleton;
}

FTextConstDisplayStringPtr FTextLocalizationManager::FindDisplayString(const FTextKey& Namespace, const FTextKey& Key, const FString* const SourceString) const
{
	const FString Id = FTextLocalizationResource::MakeId(Namespace, Key);
	const FTextLocalizationResource::FEntry* Entry = LiveTable.Find(Id);
	// A translation of a different source is stale: the source text changed since it was translated.
	if (!Entry || (SourceString && !Entry->SourceString.Equals(*SourceString, ESearchCase::CaseSensitive)))
	{
		return FTextConstDisplayStringPtr();
	}
	return MakeShared<const FString>(Entry->LocalizedString);
}

void FTextLocalizationManager::UpdateFromLocalizationResource(const FTextLocalizationResource& TextLocalizationResource)
{
	for (const auto& Pair : TextLocalizationResource.Entries)
	{
		LiveTable.Add(Pair.Key, Pair.Value);
	}
	DirtyTextRevision();
}

void FTextLocalizationManager::RefreshResources()
{
	LiveTable.Empty();
	const TArray<FString> CultureNames = FInternationalization::Get().GetCurrentCulture()->GetPrioritizedParentCultureNames();
	// Least specific first, so a more specific culture's strings override its parent's.
	for (int32 Index = CultureNames.Num() - 1; Index >= 0; --Index)
	{
		for (const auto& Pair : CultureResources)
		{
			if (Pair.Key.Equals(CultureNames[Index], ESearchCase::IgnoreCase))
			{
				for (const auto& Entry : Pair.Value.Entries)
				{
					LiveTable.Add(Entry.Key, Entry.Value);
				}
			}
		}
	}
	DirtyTextRevision();
}

void FTextLocalizationManager::AddOrUpdateCultureResource(const FString& CultureName, const FTextLocalizationResource& Resource)
{
	FTextLocalizationResource& Stored = CultureResources.FindOrAdd(CultureName);
	for (const auto& Pair : Resource.Entries)
	{
		Stored.Entries.Add(Pair.Key, Pair.Value);
	}
	RefreshResources();
}

void FTextLocalizationManager::RemoveCultureResources()
{
	CultureResources.Empty();
	RefreshResources();
}

void FTextLocalizationManager::DirtyTextRevision()
{
	++TextRevisionCounter;
	// Zero means "never built" in text caches.
	if (TextRevisionCounter == 0)
	{
		TextRevisionCounter = 1;
	}
	OnTextRevisionChangedEvent.Broadcast();
}
