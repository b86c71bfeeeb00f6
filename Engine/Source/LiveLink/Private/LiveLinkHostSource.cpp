#include "LiveLinkHostSource.h"

#define LOCTEXT_NAMESPACE "LiveLinkHostSource"

FLiveLinkHostSource::FLiveLinkHostSource(const FText& InSourceType, const FText& InMachineName)
	: SourceType(InSourceType)
	, MachineName(InMachineName)
{
}

void FLiveLinkHostSource::ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid)
{
	Client = InClient;
	SourceGuid = InSourceGuid;
}

bool FLiveLinkHostSource::IsSourceStillValid() const
{
	return !bShutDown;
}

bool FLiveLinkHostSource::RequestSourceShutdown()
{
	bShutDown = true;
	Client = nullptr;
	return true;
}

FText FLiveLinkHostSource::GetSourceType() const
{
	return SourceType;
}

FText FLiveLinkHostSource::GetSourceMachineName() const
{
	return MachineName;
}

FText FLiveLinkHostSource::GetSourceStatus() const
{
	return bShutDown ? LOCTEXT("ShutDown", "Shut down") : LOCTEXT("Active", "Active");
}

#undef LOCTEXT_NAMESPACE
