#pragma once

#include "CoreMinimal.h"
#include "Delegates/Delegate.h"
#include "Features/IModularFeature.h"
#include "LiveLinkPresetTypes.h"
#include "LiveLinkRole.h"
#include "LiveLinkTypes.h"
#include "Templates/SharedPointer.h"
#include "Templates/SubclassOf.h"

class ILiveLinkSource;

DECLARE_MULTICAST_DELEGATE_OneParam(FOnLiveLinkSourceChangedDelegate, FGuid /*SourceGuid*/);
DECLARE_MULTICAST_DELEGATE_OneParam(FOnLiveLinkSubjectChangedDelegate, FLiveLinkSubjectKey /*SubjectKey*/);

/**
 * The LiveLink client: holds the sources and their subjects and evaluates subjects' frames.
 * Published as a modular feature under ModularFeatureName by the LiveLink module.
 */
class LIVELINKINTERFACE_API ILiveLinkClient : public IModularFeature
{
public:
	virtual ~ILiveLinkClient() = default;

	static FName ModularFeatureName;

	/** Adds a source and gives it a new guid. */
	virtual FGuid AddSource(TSharedPtr<ILiveLinkSource> Source) = 0;
	/** Creates a source from a preset; false when the guid is taken or the preset cannot make a source. */
	virtual bool CreateSource(const FLiveLinkSourcePreset& SourcePreset) = 0;
	/** Removes a source and its subjects. */
	virtual void RemoveSource(TSharedPtr<ILiveLinkSource> Source) = 0;
	virtual void RemoveSource(FGuid InEntryGuid) = 0;
	virtual bool HasSourceBeenAdded(TSharedPtr<ILiveLinkSource> Source) const = 0;
	/** Source guids in the order they were added. */
	virtual TArray<FGuid> GetSources(bool bEvenIfPendingKill = false) const = 0;
	/** The source as a preset (settings duplicated into DuplicatedObjectOuter). */
	virtual FLiveLinkSourcePreset GetSourcePreset(FGuid SourceGuid, UObject* DuplicatedObjectOuter) const = 0;
	virtual FText GetSourceType(FGuid EntryGuid) const = 0;
	virtual FText GetSourceMachineName(FGuid EntryGuid) const = 0;
	virtual FText GetSourceStatus(FGuid EntryGuid) const = 0;
	virtual bool IsSourceStillValid(FGuid EntryGuid) const = 0;

	/** Sets a subject's static data, creating the subject with the role when it does not exist. */
	virtual void PushSubjectStaticData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> Role, FLiveLinkStaticDataStruct&& StaticData) = 0;
	/** Adds a frame to a subject that has static data. */
	virtual void PushSubjectFrameData_AnyThread(const FLiveLinkSubjectKey& SubjectKey, FLiveLinkFrameDataStruct&& FrameData) = 0;

	/** Creates a subject from a preset; false when its source is missing, the key is taken or it has no role. */
	virtual bool CreateSubject(const FLiveLinkSubjectPreset& SubjectPreset) = 0;
	virtual void RemoveSubject_AnyThread(const FLiveLinkSubjectKey& SubjectKey) = 0;
	virtual void ClearSubjectsFrames_AnyThread(const FLiveLinkSubjectKey& SubjectKey) = 0;
	virtual void ClearAllSubjectsFrames_AnyThread() = 0;

	/** The subject as a preset (settings duplicated into DuplicatedObjectOuter). */
	virtual FLiveLinkSubjectPreset GetSubjectPreset(const FLiveLinkSubjectKey& SubjectKey, UObject* DuplicatedObjectOuter) const = 0;
	/** Subject keys in the order the subjects were created. */
	virtual TArray<FLiveLinkSubjectKey> GetSubjects(bool bIncludeDisabledSubject, bool bIncludeVirtualSubject) const = 0;
	virtual bool IsSubjectValid(const FLiveLinkSubjectKey& SubjectKey) const = 0;
	virtual bool IsSubjectValid(FLiveLinkSubjectName SubjectName) const = 0;
	virtual bool IsSubjectEnabled(const FLiveLinkSubjectKey& SubjectKey, bool bForThisFrame) const = 0;
	virtual bool IsSubjectEnabled(FLiveLinkSubjectName SubjectName) const = 0;
	/** Enabling a subject disables the other subjects of the same name. */
	virtual void SetSubjectEnabled(const FLiveLinkSubjectKey& SubjectKey, bool bEnabled) = 0;
	virtual bool IsVirtualSubject(const FLiveLinkSubjectKey& SubjectKey) const = 0;
	virtual TSubclassOf<ULiveLinkRole> GetSubjectRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey) const = 0;
	virtual TSubclassOf<ULiveLinkRole> GetSubjectRole_AnyThread(FLiveLinkSubjectName SubjectName) const = 0;
	virtual bool DoesSubjectSupportsRole_AnyThread(const FLiveLinkSubjectKey& SubjectKey, TSubclassOf<ULiveLinkRole> SupportedRole) const = 0;
	/** The subject's settings object (a ULiveLinkSubjectSettings). */
	virtual UObject* GetSubjectSettings(const FLiveLinkSubjectKey& SubjectKey) const = 0;

	/** The latest frame of the enabled subject of that name, read through DesiredRole. */
	virtual bool EvaluateFrame_AnyThread(FLiveLinkSubjectName SubjectName, TSubclassOf<ULiveLinkRole> DesiredRole, FLiveLinkSubjectFrameData& OutFrame) = 0;

	virtual FSimpleMulticastDelegate& OnLiveLinkTicked() = 0;
	virtual FSimpleMulticastDelegate& OnLiveLinkSourcesChanged() = 0;
	virtual FSimpleMulticastDelegate& OnLiveLinkSubjectsChanged() = 0;
	virtual FOnLiveLinkSourceChangedDelegate& OnLiveLinkSourceAdded() = 0;
	virtual FOnLiveLinkSourceChangedDelegate& OnLiveLinkSourceRemoved() = 0;
	virtual FOnLiveLinkSubjectChangedDelegate& OnLiveLinkSubjectAdded() = 0;
	virtual FOnLiveLinkSubjectChangedDelegate& OnLiveLinkSubjectRemoved() = 0;
};
