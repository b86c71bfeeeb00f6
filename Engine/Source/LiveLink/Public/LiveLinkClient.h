#pragma once

#include "CoreMinimal.h"
#include "ILiveLinkClient.h"

#include <mutex>

class ULiveLinkSourceSettings;
class ULiveLinkSubjectSettings;

/** The LiveLink client the LiveLink module publishes. Sources and subjects keep their insertion order. */
class LIVELINK_API FLiveLinkClient : public ILiveLinkClient
{
public:
	FLiveLinkClient();
	virtual ~FLiveLinkClient();

	/** Removes every source (and so every subject). */
	void RemoveAllSources();

	/** Lets sources update and broadcasts OnLiveLinkTicked; the engine calls it once per frame. */
	void Tick();

	// ILiveLinkClient
	virtual FGuid AddSource(TSharedPtr<ILiveLinkSource> Source) override;
	virtual bool CreateSource(const FLiveLinkSourcePreset& SourcePreset) override;
	virtual void RemoveSource(TSharedPtr<ILiveLinkSource> Source) override;
	virtual void RemoveSource(FGuid InEntryGuid) override;
	virtual bool HasSourceBeenAdded(TSharedPtr<ILiveLinkSource> Source) const override;
	virtual TArray<FGuid> GetSources(bool bEvenIfPendingKill = false) const override;
	virtual FLiveLinkSourcePreset GetSourcePreset(FGuid SourceGuid, UObject* DuplicatedObjectOuter) const override;
	virtual FText GetSourceType(FGuid EntryGuid) const override;
	virtual FText GetSourceMachineName(FGuid EntryGuid) const override;
	virtual FText GetSourceStatus(FGuid EntryGuid) const override;
	virtual bool IsSourceStillValid(FGuid EntryGuid) const override;
	virtual void PushSubjectStaticData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role, FLiveLinkStaticDataStruct&& StaticData) override;
	virtual void PushSubjectFrameData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, FLiveLinkFrameDataStruct&& FrameData) override;
	virtual bool CreateSubject(const FLiveLinkSubjectPreset& SubjectPreset) override;
	virtual void RemoveSubject_AnyThread(const FLiveLinkSubjectKey& SubjectKey) override;
	virtual void ClearSubjectsFrames_AnyThread(const FLiveLinkSubjectKey& SubjectKey) override;
	virtual void ClearAllSubjectsFrames_AnyThread() override;
	virtual FLiveLinkSubjectPreset GetSubjectPreset(const FLiveLinkSubjectKey& SubjectKey, UObject* DuplicatedObjectOuter) const override;
	virtual TArray<FLiveLinkSubjectKey> GetSubjects(bool bIncludeDisabledSubject, bool bIncludeVirtualSubject) const override;
	virtual bool IsSubjectValid(const FLiveLinkSubjectKey& SubjectKey) const override;
	virtual bool IsSubjectValid(FLiveLinkSubjectName SubjectName) const override;
	virtual bool IsSubjectEnabled(const FLiveLinkSubjectKey& SubjectKey, bool bForThisFrame) const override;
	virtual bool IsSubjectEnabled(FLiveLinkSubjectName SubjectName) const override;
	virtual void SetSubjectEnabled(const FLiveLinkSubjectKey& SubjectKey, bool bEnabled) override;
	virtual bool IsVirtualSubject(const FLiveLinkSubjectKey& SubjectKey) const override;
	virtual TSubclassOf<ULiveLinkRole> GetSubjectRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey) const override;
	virtual TSubclassOf<ULiveLinkRole> GetSubjectRole_AnyThread(FLiveLinkSubjectName SubjectName) const override;
	virtual bool DoesSubjectSupportsRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> SupportedRole) const override;
	virtual UObject* GetSubjectSettings(const FLiveLinkSubjectKey& SubjectKey) const override;
	virtual bool EvaluateFrame_AnyThread(FLiveLinkSubjectName SubjectName, TSubclassOf<ULiveLinkRole> DesiredRole, FLiveLinkSubjectFrameData& OutFrame) override;
	virtual FSimpleMulticastDelegate& OnLiveLinkTicked() override;
	virtual FSimpleMulticastDelegate& OnLiveLinkSourcesChanged() override;
	virtual FSimpleMulticastDelegate& OnLiveLinkSubjectsChanged() override;
	virtual FOnLiveLinkSourceChangedDelegate& OnLiveLinkSourceAdded() override;
	virtual FOnLiveLinkSourceChangedDelegate& OnLiveLinkSourceRemoved() override;
	virtual FOnLiveLinkSubjectChangedDelegate& OnLiveLinkSubjectAdded() override;
	virtual FOnLiveLinkSubjectChangedDelegate& OnLiveLinkSubjectRemoved() override;

private:
	struct FSourceEntry
	{
		FGuid Guid;
		TSharedPtr<ILiveLinkSource> Source;
		/** Rooted while the source exists. */
		ULiveLinkSourceSettings* Settings = nullptr;
	};

	struct FSubjectEntry
	{
		FLiveLinkSubjectKey Key;
		TSubclassOf<ULiveLinkRole> Role;
		/** Rooted while the subject exists. */
		ULiveLinkSubjectSettings* Settings = nullptr;
		bool bEnabled = false;
		FLiveLinkStaticDataStruct StaticData;
		FLiveLinkFrameDataStruct LatestFrame;
	};

	FGuid AddSourceWithGuid(TSharedPtr<ILiveLinkSource> Source, FGuid Guid, ULiveLinkSourceSettings* SettingsTemplate);
	/** Adds a subject (locked by the caller); returns false when the key is taken. */
	bool AddSubjectLocked(const FLiveLinkSubjectKey& Key, TSubclassOf<ULiveLinkRole> Role, ULiveLinkSubjectSettings* SettingsTemplate, bool bEnabled);
	void SetSubjectEnabledLocked(const FLiveLinkSubjectKey& Key, bool bEnabled);
	int32 FindSourceLocked(FGuid Guid) const;
	int32 FindSubjectLocked(const FLiveLinkSubjectKey& Key) const;
	/** The enabled subject of the name, else INDEX_NONE. */
	int32 FindEnabledSubjectLocked(FLiveLinkSubjectName Name) const;

	mutable std::recursive_mutex Mutex;
	TArray<FSourceEntry> Sources;
	TArray<FSubjectEntry> Subjects;

	FSimpleMulticastDelegate TickedEvent;
	FSimpleMulticastDelegate SourcesChangedEvent;
	FSimpleMulticastDelegate SubjectsChangedEvent;
	FOnLiveLinkSourceChangedDelegate SourceAddedEvent;
	FOnLiveLinkSourceChangedDelegate SourceRemovedEvent;
	FOnLiveLinkSubjectChangedDelegate SubjectAddedEvent;
	FOnLiveLinkSubjectChangedDelegate SubjectRemovedEvent;
};
