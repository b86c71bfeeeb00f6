#pragma once

// A source of the stand-in (host control and presets): it connects to nothing, it only carries
// the type, machine name and status the user sees. Subjects are given to it by pushing data
// or by presets. Plugin code never names it.

#include "CoreMinimal.h"
#include "ILiveLinkSource.h"

class LIVELINK_API FLiveLinkHostSource : public ILiveLinkSource
{
public:
	FLiveLinkHostSource(const FText& InSourceType, const FText& InMachineName);

	virtual void ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid) override;
	virtual bool IsSourceStillValid() const override;
	virtual bool RequestSourceShutdown() override;
	virtual FText GetSourceType() const override;
	virtual FText GetSourceMachineName() const override;
	virtual FText GetSourceStatus() const override;

	/** The guid the client gave the source (invalid before it was added). */
	FGuid GetSourceGuid() const
	{
		return SourceGuid;
	}

private:
	FText SourceType;
	FText MachineName;
	ILiveLinkClient* Client = nullptr;
	FGuid SourceGuid;
	bool bShutDown = false;
};
