#include "LiveLinkPreset.h"

#include "Features/IModularFeatures.h"
#include "ILiveLinkClient.h"
#include "LiveLinkLog.h"
#include "Misc/CoreDelegates.h"

namespace
{
	ILiveLinkClient* FindLiveLinkClient()
	{
		IModularFeatures& Features = IModularFeatures::Get();
		return Features.IsModularFeatureAvailable(ILiveLinkClient::ModularFeatureName)
			? &Features.GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName)
			: nullptr;
	}

	void RemoveEverySource(ILiveLinkClient& Client)
	{
		for (const FGuid& Guid : Client.GetSources(true))
		{
			Client.RemoveSource(Guid);
		}
	}
}

ULiveLinkPreset::~ULiveLinkPreset()
{
	CancelApplyToClientLatent();
}

bool ULiveLinkPreset::ApplyToClient() const
{
	ILiveLinkClient* Client = FindLiveLinkClient();
	if (Client == nullptr)
	{
		return false;
	}
	RemoveEverySource(*Client);
	return AddPresetsToClient(false);
}

void ULiveLinkPreset::ApplyToClientLatent(TFunction<void(bool)> CompletionCallback)
{
	// A second request replaces the first, whose callback then never fires.
	CancelApplyToClientLatent();
	ILiveLinkClient* Client = FindLiveLinkClient();
	if (Client == nullptr)
	{
		UE_LOG(LogLiveLink, Warning, TEXT("Preset %s not applied: there is no LiveLink client"), *GetName());
		if (CompletionCallback)
		{
			CompletionCallback(false);
		}
		return;
	}
	RemoveEverySource(*Client);
	PendingCompletionCallback = MoveTemp(CompletionCallback);
	ApplyToClientEndFrameHandle = FCoreDelegates::OnEndFrame.AddUObject(this, &ULiveLinkPreset::FinishApplyToClientLatent);
}

void ULiveLinkPreset::FinishApplyToClientLatent()
{
	FCoreDelegates::OnEndFrame.Remove(ApplyToClientEndFrameHandle);
	ApplyToClientEndFrameHandle.Reset();
	TFunction<void(bool)> Callback = MoveTemp(PendingCompletionCallback);
	PendingCompletionCallback = nullptr;

	const bool bAllAdded = FindLiveLinkClient() != nullptr && AddPresetsToClient(false);
	if (Callback)
	{
		Callback(bAllAdded);
	}
}

void ULiveLinkPreset::CancelApplyToClientLatent()
{
	if (ApplyToClientEndFrameHandle.IsValid())
	{
		FCoreDelegates::OnEndFrame.Remove(ApplyToClientEndFrameHandle);
		ApplyToClientEndFrameHandle.Reset();
	}
	PendingCompletionCallback = nullptr;
}

bool ULiveLinkPreset::AddToClient(const bool bRecreatePresets) const
{
	return FindLiveLinkClient() != nullptr && AddPresetsToClient(bRecreatePresets);
}

bool ULiveLinkPreset::AddPresetsToClient(bool bRecreate) const
{
	ILiveLinkClient* Client = FindLiveLinkClient();
	check(Client != nullptr);
	bool bAllAdded = true;
	for (const FLiveLinkSourcePreset& SourcePreset : Sources)
	{
		if (Client->GetSources(true).Contains(SourcePreset.Guid))
		{
			if (!bRecreate)
			{
				continue;
			}
			Client->RemoveSource(SourcePreset.Guid);
		}
		if (!Client->CreateSource(SourcePreset))
		{
			UE_LOG(LogLiveLink, Warning, TEXT("Preset %s: could not create source %s"), *GetName(), *SourcePreset.Guid.ToString());
			bAllAdded = false;
		}
	}
	for (const FLiveLinkSubjectPreset& SubjectPreset : Subjects)
	{
		if (Client->GetSubjects(true, true).Contains(SubjectPreset.Key))
		{
			if (!bRecreate)
			{
				continue;
			}
			Client->RemoveSubject_AnyThread(SubjectPreset.Key);
		}
		if (!Client->CreateSubject(SubjectPreset))
		{
			UE_LOG(LogLiveLink, Warning, TEXT("Preset %s: could not create subject %s"), *GetName(), *SubjectPreset.Key.SubjectName.ToString());
			bAllAdded = false;
		}
	}
	return bAllAdded;
}

void ULiveLinkPreset::BuildFromClient()
{
	Sources.Reset();
	Subjects.Reset();
	ILiveLinkClient* Client = FindLiveLinkClient();
	if (Client == nullptr)
	{
		return;
	}
	for (const FGuid& Guid : Client->GetSources(false))
	{
		Sources.Add(Client->GetSourcePreset(Guid, this));
	}
	for (const FLiveLinkSubjectKey& Key : Client->GetSubjects(true, false))
	{
		Subjects.Add(Client->GetSubjectPreset(Key, this));
	}
}
