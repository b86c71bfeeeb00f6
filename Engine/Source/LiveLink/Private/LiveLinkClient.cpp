#include "LiveLinkClient.h"

#include "ILiveLinkSource.h"
#include "LiveLinkHostSource.h"
#include "LiveLinkLog.h"
#include "LiveLinkSourceSettings.h"
#include "LiveLinkSubjectSettings.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY(LogLiveLink);

namespace
{
	using FLock = std::lock_guard<std::recursive_mutex>;

	/** The client keeps its own copy of preset settings, so editing a preset later does not change live subjects. */
	template<typename TSettings>
	TSettings* MakeSettings(TSettings* Template, UClass* DefaultClass)
	{
		TSettings* Settings = Template != nullptr
			? DuplicateObject<TSettings>(Template, GetTransientPackage())
			: NewObject<TSettings>(GetTransientPackage(), DefaultClass != nullptr ? DefaultClass : TSettings::StaticClass());
		Settings->AddToRoot();
		return Settings;
	}
}

FLiveLinkClient::FLiveLinkClient() = default;

FLiveLinkClient::~FLiveLinkClient()
{
	// Going away with the module: release quietly, handlers may belong to modules already shut down.
	for (FSubjectEntry& Entry : Subjects)
	{
		Entry.Settings->RemoveFromRoot();
	}
	for (FSourceEntry& Entry : Sources)
	{
		Entry.Source->RequestSourceShutdown();
		Entry.Settings->RemoveFromRoot();
	}
}

void FLiveLinkClient::Tick()
{
	TArray<TSharedPtr<ILiveLinkSource>> ToUpdate;
	{
		FLock Lock(Mutex);
		for (const FSourceEntry& Entry : Sources)
		{
			ToUpdate.Add(Entry.Source);
		}
	}
	for (const TSharedPtr<ILiveLinkSource>& Source : ToUpdate)
	{
		Source->Update();
	}
	TickedEvent.Broadcast();
}

FGuid FLiveLinkClient::AddSource(TSharedPtr<ILiveLinkSource> Source)
{
	return AddSourceWithGuid(Source, FGuid::NewGuid(), nullptr);
}

FGuid FLiveLinkClient::AddSourceWithGuid(TSharedPtr<ILiveLinkSource> Source, FGuid Guid, ULiveLinkSourceSettings* SettingsTemplate)
{
	if (!Source.IsValid() || !Guid.IsValid())
	{
		return FGuid();
	}
	{
		FLock Lock(Mutex);
		if (FindSourceLocked(Guid) != INDEX_NONE || HasSourceBeenAdded(Source))
		{
			return FGuid();
		}
		FSourceEntry Entry;
		Entry.Guid = Guid;
		Entry.Source = Source;
		Entry.Settings = MakeSettings<ULiveLinkSourceSettings>(SettingsTemplate, Source->GetSettingsClass().Get());
		Sources.Add(Entry);
		Source->InitializeSettings(Entry.Settings);
		Source->ReceiveClient(this, Guid);
	}
	SourceAddedEvent.Broadcast(Guid);
	SourcesChangedEvent.Broadcast();
	return Guid;
}

bool FLiveLinkClient::CreateSource(const FLiveLinkSourcePreset& SourcePreset)
{
	if (!SourcePreset.Guid.IsValid())
	{
		UE_LOG(LogLiveLink, Warning, TEXT("Cannot create a source without a guid"));
		return false;
	}
	// Presets of the stand-in always make a host source; the connection string names its machine.
	const FText MachineName = SourcePreset.Settings != nullptr ? FText::FromString(SourcePreset.Settings->ConnectionString) : FText::GetEmpty();
	TSharedPtr<ILiveLinkSource> Source = MakeShared<FLiveLinkHostSource>(SourcePreset.SourceType, MachineName);
	return AddSourceWithGuid(Source, SourcePreset.Guid, SourcePreset.Settings.Get()).IsValid();
}

void FLiveLinkClient::RemoveSource(TSharedPtr<ILiveLinkSource> Source)
{
	FGuid Guid;
	{
		FLock Lock(Mutex);
		for (const FSourceEntry& Entry : Sources)
		{
			if (Entry.Source == Source)
			{
				Guid = Entry.Guid;
			}
		}
	}
	if (Guid.IsValid())
	{
		RemoveSource(Guid);
	}
}

void FLiveLinkClient::RemoveSource(FGuid InEntryGuid)
{
	TArray<FLiveLinkSubjectKey> RemovedSubjects;
	TSharedPtr<ILiveLinkSource> RemovedSource;
	{
		FLock Lock(Mutex);
		const int32 SourceIndex = FindSourceLocked(InEntryGuid);
		if (SourceIndex == INDEX_NONE)
		{
			return;
		}
		for (int32 Index = Subjects.Num() - 1; Index >= 0; --Index)
		{
			if (Subjects[Index].Key.Source == InEntryGuid)
			{
				RemovedSubjects.Insert(Subjects[Index].Key, 0);
				Subjects[Index].Settings->RemoveFromRoot();
				Subjects.RemoveAt(Index);
			}
		}
		RemovedSource = Sources[SourceIndex].Source;
		Sources[SourceIndex].Settings->RemoveFromRoot();
		Sources.RemoveAt(SourceIndex);
	}
	RemovedSource->RequestSourceShutdown();
	for (const FLiveLinkSubjectKey& Key : RemovedSubjects)
	{
		SubjectRemovedEvent.Broadcast(Key);
	}
	if (RemovedSubjects.Num() > 0)
	{
		SubjectsChangedEvent.Broadcast();
	}
	SourceRemovedEvent.Broadcast(InEntryGuid);
	SourcesChangedEvent.Broadcast();
}

void FLiveLinkClient::RemoveAllSources()
{
	for (const FGuid& Guid : GetSources(true))
	{
		RemoveSource(Guid);
	}
}

bool FLiveLinkClient::HasSourceBeenAdded(TSharedPtr<ILiveLinkSource> Source) const
{
	FLock Lock(Mutex);
	for (const FSourceEntry& Entry : Sources)
	{
		if (Entry.Source == Source)
		{
			return true;
		}
	}
	return false;
}

TArray<FGuid> FLiveLinkClient::GetSources(bool bEvenIfPendingKill) const
{
	// Removal is immediate in the stand-in, so no source is ever pending kill.
	FLock Lock(Mutex);
	TArray<FGuid> Result;
	for (const FSourceEntry& Entry : Sources)
	{
		Result.Add(Entry.Guid);
	}
	return Result;
}

FLiveLinkSourcePreset FLiveLinkClient::GetSourcePreset(FGuid SourceGuid, UObject* DuplicatedObjectOuter) const
{
	FLock Lock(Mutex);
	FLiveLinkSourcePreset Preset;
	const int32 Index = FindSourceLocked(SourceGuid);
	if (Index != INDEX_NONE)
	{
		Preset.Guid = SourceGuid;
		Preset.Settings = DuplicateObject<ULiveLinkSourceSettings>(Sources[Index].Settings, DuplicatedObjectOuter != nullptr ? DuplicatedObjectOuter : GetTransientPackage());
		Preset.SourceType = Sources[Index].Source->GetSourceType();
	}
	return Preset;
}

FText FLiveLinkClient::GetSourceType(FGuid EntryGuid) const
{
	FLock Lock(Mutex);
	const int32 Index = FindSourceLocked(EntryGuid);
	return Index != INDEX_NONE ? Sources[Index].Source->GetSourceType() : FText::GetEmpty();
}

FText FLiveLinkClient::GetSourceMachineName(FGuid EntryGuid) const
{
	FLock Lock(Mutex);
	const int32 Index = FindSourceLocked(EntryGuid);
	return Index != INDEX_NONE ? Sources[Index].Source->GetSourceMachineName() : FText::GetEmpty();
}

FText FLiveLinkClient::GetSourceStatus(FGuid EntryGuid) const
{
	FLock Lock(Mutex);
	const int32 Index = FindSourceLocked(EntryGuid);
	return Index != INDEX_NONE ? Sources[Index].Source->GetSourceStatus() : FText::GetEmpty();
}

bool FLiveLinkClient::IsSourceStillValid(FGuid EntryGuid) const
{
	FLock Lock(Mutex);
	const int32 Index = FindSourceLocked(EntryGuid);
	return Index != INDEX_NONE && Sources[Index].Source->IsSourceStillValid();
}

void FLiveLinkClient::PushSubjectStaticData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role, FLiveLinkStaticDataStruct&& StaticData)
{
	if (Role.Get() == nullptr || !StaticData.IsValid())
	{
		UE_LOG(LogLiveLink, Warning, TEXT("Static data for subject %s has no role or no data"), *SubjectKey.SubjectName.ToString());
		return;
	}
	const UScriptStruct* Expected = Role.GetDefaultObject()->GetStaticDataStruct();
	if (!StaticData.GetStruct()->IsChildOf(Expected))
	{
		UE_LOG(LogLiveLink, Warning, TEXT("Static data for subject %s is a %s, the role %s needs a %s"), *SubjectKey.SubjectName.ToString(),
			*StaticData.GetStruct()->GetName(), *Role->GetName(), *Expected->GetName());
		return;
	}
	bool bAdded = false;
	{
		FLock Lock(Mutex);
		if (FindSourceLocked(SubjectKey.Source) == INDEX_NONE)
		{
			UE_LOG(LogLiveLink, Warning, TEXT("Static data for subject %s names no source of the client"), *SubjectKey.SubjectName.ToString());
			return;
		}
		int32 Index = FindSubjectLocked(SubjectKey);
		if (Index == INDEX_NONE)
		{
			// A new subject is enabled unless another of its name already is.
			AddSubjectLocked(SubjectKey, Role, nullptr, FindEnabledSubjectLocked(SubjectKey.SubjectName) == INDEX_NONE);
			Index = Subjects.Num() - 1;
			bAdded = true;
		}
		else if (Subjects[Index].Role != Role)
		{
			UE_LOG(LogLiveLink, Warning, TEXT("Subject %s has the role %s; static data for %s ignored"), *SubjectKey.SubjectName.ToString(),
				*Subjects[Index].Role->GetName(), *Role->GetName());
			return;
		}
		Subjects[Index].StaticData = MoveTemp(StaticData);
		Subjects[Index].LatestFrame.Reset();
	}
	if (bAdded)
	{
		SubjectAddedEvent.Broadcast(SubjectKey);
		SubjectsChangedEvent.Broadcast();
	}
}

void FLiveLinkClient::PushSubjectFrameData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, FLiveLinkFrameDataStruct&& FrameData)
{
	FLock Lock(Mutex);
	const int32 Index = FindSubjectLocked(SubjectKey);
	if (Index == INDEX_NONE || !Subjects[Index].StaticData.IsValid())
	{
		UE_LOG(LogLiveLink, Warning, TEXT("Frame for subject %s dropped: the subject has no static data"), *SubjectKey.SubjectName.ToString());
		return;
	}
	const UScriptStruct* Expected = Subjects[Index].Role.GetDefaultObject()->GetFrameDataStruct();
	if (!FrameData.IsValid() || !FrameData.GetStruct()->IsChildOf(Expected))
	{
		UE_LOG(LogLiveLink, Warning, TEXT("Frame for subject %s dropped: the role %s needs a %s"), *SubjectKey.SubjectName.ToString(),
			*Subjects[Index].Role->GetName(), *Expected->GetName());
		return;
	}
	Subjects[Index].LatestFrame = MoveTemp(FrameData);
}

bool FLiveLinkClient::CreateSubject(const FLiveLinkSubjectPreset& SubjectPreset)
{
	if (SubjectPreset.Role.Get() == nullptr)
	{
		UE_LOG(LogLiveLink, Warning, TEXT("Cannot create subject %s without a role"), *SubjectPreset.Key.SubjectName.ToString());
		return false;
	}
	{
		FLock Lock(Mutex);
		if (FindSourceLocked(SubjectPreset.Key.Source) == INDEX_NONE)
		{
			UE_LOG(LogLiveLink, Warning, TEXT("Cannot create subject %s: its source %s does not exist"), *SubjectPreset.Key.SubjectName.ToString(),
				*SubjectPreset.Key.Source.ToString());
			return false;
		}
		if (!AddSubjectLocked(SubjectPreset.Key, SubjectPreset.Role, SubjectPreset.Settings.Get(), SubjectPreset.bEnabled))
		{
			return false;
		}
	}
	SubjectAddedEvent.Broadcast(SubjectPreset.Key);
	SubjectsChangedEvent.Broadcast();
	return true;
}

bool FLiveLinkClient::AddSubjectLocked(const FLiveLinkSubjectKey& Key, TSubclassOf<ULiveLinkRole> Role, ULiveLinkSubjectSettings* SettingsTemplate, bool bEnabled)
{
	if (Key.SubjectName.IsNone() || FindSubjectLocked(Key) != INDEX_NONE)
	{
		return false;
	}
	FSubjectEntry& Entry = Subjects.AddDefaulted_GetRef();
	Entry.Key = Key;
	Entry.Role = Role;
	Entry.Settings = MakeSettings<ULiveLinkSubjectSettings>(SettingsTemplate, nullptr);
	Entry.Settings->Role = Role;
	if (bEnabled)
	{
		SetSubjectEnabledLocked(Key, true);
	}
	return true;
}

void FLiveLinkClient::RemoveSubject_AnyThread(const FLiveLinkSubjectKey& SubjectKey)
{
	{
		FLock Lock(Mutex);
		const int32 Index = FindSubjectLocked(SubjectKey);
		if (Index == INDEX_NONE)
		{
			return;
		}
		Subjects[Index].Settings->RemoveFromRoot();
		Subjects.RemoveAt(Index);
	}
	SubjectRemovedEvent.Broadcast(SubjectKey);
	SubjectsChangedEvent.Broadcast();
}

void FLiveLinkClient::ClearSubjectsFrames_AnyThread(const FLiveLinkSubjectKey& SubjectKey)
{
	FLock Lock(Mutex);
	const int32 Index = FindSubjectLocked(SubjectKey);
	if (Index != INDEX_NONE)
	{
		Subjects[Index].LatestFrame.Reset();
	}
}

void FLiveLinkClient::ClearAllSubjectsFrames_AnyThread()
{
	FLock Lock(Mutex);
	for (FSubjectEntry& Entry : Subjects)
	{
		Entry.LatestFrame.Reset();
	}
}

FLiveLinkSubjectPreset FLiveLinkClient::GetSubjectPreset(const FLiveLinkSubjectKey& SubjectKey, UObject* DuplicatedObjectOuter) const
{
	FLock Lock(Mutex);
	FLiveLinkSubjectPreset Preset;
	const int32 Index = FindSubjectLocked(SubjectKey);
	if (Index != INDEX_NONE)
	{
		const FSubjectEntry& Entry = Subjects[Index];
		Preset.Key = Entry.Key;
		Preset.Role = Entry.Role;
		Preset.Settings = DuplicateObject<ULiveLinkSubjectSettings>(Entry.Settings, DuplicatedObjectOuter != nullptr ? DuplicatedObjectOuter : GetTransientPackage());
		Preset.bEnabled = Entry.bEnabled;
	}
	return Preset;
}

TArray<FLiveLinkSubjectKey> FLiveLinkClient::GetSubjects(bool bIncludeDisabledSubject, bool bIncludeVirtualSubject) const
{
	// The stand-in has no virtual subjects, so bIncludeVirtualSubject never adds any.
	FLock Lock(Mutex);
	TArray<FLiveLinkSubjectKey> Result;
	for (const FSubjectEntry& Entry : Subjects)
	{
		if (Entry.bEnabled || bIncludeDisabledSubject)
		{
			Result.Add(Entry.Key);
		}
	}
	return Result;
}

bool FLiveLinkClient::IsSubjectValid(const FLiveLinkSubjectKey& SubjectKey) const
{
	FLock Lock(Mutex);
	const int32 Index = FindSubjectLocked(SubjectKey);
	return Index != INDEX_NONE && Subjects[Index].StaticData.IsValid();
}

bool FLiveLinkClient::IsSubjectValid(FLiveLinkSubjectName SubjectName) const
{
	FLock Lock(Mutex);
	const int32 Index = FindEnabledSubjectLocked(SubjectName);
	return Index != INDEX_NONE && Subjects[Index].StaticData.IsValid();
}

bool FLiveLinkClient::IsSubjectEnabled(const FLiveLinkSubjectKey& SubjectKey, bool bForThisFrame) const
{
	FLock Lock(Mutex);
	const int32 Index = FindSubjectLocked(SubjectKey);
	return Index != INDEX_NONE && Subjects[Index].bEnabled;
}

bool FLiveLinkClient::IsSubjectEnabled(FLiveLinkSubjectName SubjectName) const
{
	FLock Lock(Mutex);
	return FindEnabledSubjectLocked(SubjectName) != INDEX_NONE;
}

void FLiveLinkClient::SetSubjectEnabled(const FLiveLinkSubjectKey& SubjectKey, bool bEnabled)
{
	FLock Lock(Mutex);
	SetSubjectEnabledLocked(SubjectKey, bEnabled);
}

void FLiveLinkClient::SetSubjectEnabledLocked(const FLiveLinkSubjectKey& Key, bool bEnabled)
{
	const int32 Index = FindSubjectLocked(Key);
	if (Index == INDEX_NONE)
	{
		return;
	}
	if (bEnabled)
	{
		// One subject per name is evaluated, so enabling one disables its namesakes.
		for (FSubjectEntry& Entry : Subjects)
		{
			if (Entry.Key.SubjectName == Key.SubjectName)
			{
				Entry.bEnabled = false;
			}
		}
	}
	Subjects[Index].bEnabled = bEnabled;
}

bool FLiveLinkClient::IsVirtualSubject(const FLiveLinkSubjectKey& SubjectKey) const
{
	return false;
}

TSubclassOf<ULiveLinkRole> FLiveLinkClient::GetSubjectRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey) const
{
	FLock Lock(Mutex);
	const int32 Index = FindSubjectLocked(SubjectKey);
	return Index != INDEX_NONE ? Subjects[Index].Role : TSubclassOf<ULiveLinkRole>();
}

TSubclassOf<ULiveLinkRole> FLiveLinkClient::GetSubjectRole_AnyThread(FLiveLinkSubjectName SubjectName) const
{
	FLock Lock(Mutex);
	const int32 Index = FindEnabledSubjectLocked(SubjectName);
	return Index != INDEX_NONE ? Subjects[Index].Role : TSubclassOf<ULiveLinkRole>();
}

bool FLiveLinkClient::DoesSubjectSupportsRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> SupportedRole) const
{
	// Without role translators a subject supports its own role and the roles it derives from.
	const TSubclassOf<ULiveLinkRole> Role = GetSubjectRole_AnyThread(SubjectKey);
	return Role.Get() != nullptr && SupportedRole.Get() != nullptr && Role->IsChildOf(SupportedRole.Get());
}

UObject* FLiveLinkClient::GetSubjectSettings(const FLiveLinkSubjectKey& SubjectKey) const
{
	FLock Lock(Mutex);
	const int32 Index = FindSubjectLocked(SubjectKey);
	return Index != INDEX_NONE ? Subjects[Index].Settings : nullptr;
}

bool FLiveLinkClient::EvaluateFrame_AnyThread(FLiveLinkSubjectName SubjectName, TSubclassOf<ULiveLinkRole> DesiredRole, FLiveLinkSubjectFrameData& OutFrame)
{
	FLock Lock(Mutex);
	const int32 Index = FindEnabledSubjectLocked(SubjectName);
	if (Index == INDEX_NONE || DesiredRole.Get() == nullptr)
	{
		return false;
	}
	const FSubjectEntry& Entry = Subjects[Index];
	if (!Entry.Role->IsChildOf(DesiredRole.Get()) || !Entry.StaticData.IsValid() || !Entry.LatestFrame.IsValid())
	{
		return false;
	}
	OutFrame.StaticData.InitializeWith(Entry.StaticData);
	OutFrame.FrameData.InitializeWith(Entry.LatestFrame);
	return true;
}

FSimpleMulticastDelegate& FLiveLinkClient::OnLiveLinkTicked()
{
	return TickedEvent;
}

FSimpleMulticastDelegate& FLiveLinkClient::OnLiveLinkSourcesChanged()
{
	return SourcesChangedEvent;
}

FSimpleMulticastDelegate& FLiveLinkClient::OnLiveLinkSubjectsChanged()
{
	return SubjectsChangedEvent;
}

FOnLiveLinkSourceChangedDelegate& FLiveLinkClient::OnLiveLinkSourceAdded()
{
	return SourceAddedEvent;
}

FOnLiveLinkSourceChangedDelegate& FLiveLinkClient::OnLiveLinkSourceRemoved()
{
	return SourceRemovedEvent;
}

FOnLiveLinkSubjectChangedDelegate& FLiveLinkClient::OnLiveLinkSubjectAdded()
{
	return SubjectAddedEvent;
}

FOnLiveLinkSubjectChangedDelegate& FLiveLinkClient::OnLiveLinkSubjectRemoved()
{
	return SubjectRemovedEvent;
}

int32 FLiveLinkClient::FindSourceLocked(FGuid Guid) const
{
	for (int32 Index = 0; Index < Sources.Num(); ++Index)
	{
		if (Sources[Index].Guid == Guid)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 FLiveLinkClient::FindSubjectLocked(const FLiveLinkSubjectKey& Key) const
{
	for (int32 Index = 0; Index < Subjects.Num(); ++Index)
	{
		if (Subjects[Index].Key == Key)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 FLiveLinkClient::FindEnabledSubjectLocked(FLiveLinkSubjectName Name) const
{
	for (int32 Index = 0; Index < Subjects.Num(); ++Index)
	{
		if (Subjects[Index].bEnabled && Subjects[Index].Key.SubjectName == Name)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}
