#pragma once

#include "CoreMinimal.h"
#include "Templates/SubclassOf.h"

class ILiveLinkClient;
class ULiveLinkSourceSettings;

/** A provider of subjects: the client owns it and asks it for its state. */
class LIVELINKINTERFACE_API ILiveLinkSource
{
public:
	virtual ~ILiveLinkSource() = default;

	/** The client took the source under the guid. */
	virtual void ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid) = 0;
	/** The client created the source's settings. */
	virtual void InitializeSettings(ULiveLinkSourceSettings* Settings)
	{
	}
	/** Called every client tick on the game thread. */
	virtual void Update()
	{
	}
	/** Whether the source shows in the LiveLink panel. */
	virtual bool CanBeDisplayedInUI() const
	{
		return true;
	}
	/** False once the source has lost its connection for good. */
	virtual bool IsSourceStillValid() const = 0;
	/** Asks the source to stop; true when it has stopped. */
	virtual bool RequestSourceShutdown() = 0;

	/** For the user: what kind of source this is. */
	virtual FText GetSourceType() const = 0;
	/** For the user: where the data comes from. */
	virtual FText GetSourceMachineName() const = 0;
	/** For the user: "Active", "Not responding", ... */
	virtual FText GetSourceStatus() const = 0;

	/** The class of the source's settings; null for ULiveLinkSourceSettings. */
	virtual TSubclassOf<ULiveLinkSourceSettings> GetSettingsClass() const
	{
		return nullptr;
	}
};
