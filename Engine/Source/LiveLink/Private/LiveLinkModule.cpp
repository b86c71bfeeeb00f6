#include "CoreMinimal.h"
#include "Features/IModularFeatures.h"
#include "LiveLinkClient.h"
#include "Misc/CoreDelegates.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"

/** Owns the LiveLink client and publishes it as a modular feature while the module is loaded. */
class FLiveLinkModule : public IModuleInterface
{
public:
	virtual void StartupModule() override
	{
		Client = MakeUnique<FLiveLinkClient>();
		IModularFeatures::Get().RegisterModularFeature(ILiveLinkClient::ModularFeatureName, Client.Get());
		// The client ticks once per engine frame, as the engine's LiveLink does.
		EndFrameHandle = FCoreDelegates::OnEndFrame.AddRaw(Client.Get(), &FLiveLinkClient::Tick);
	}

	virtual void ShutdownModule() override
	{
		FCoreDelegates::OnEndFrame.Remove(EndFrameHandle);
		IModularFeatures::Get().UnregisterModularFeature(ILiveLinkClient::ModularFeatureName, Client.Get());
		Client.Reset();
	}

private:
	TUniquePtr<FLiveLinkClient> Client;
	FDelegateHandle EndFrameHandle;
};

IMPLEMENT_MODULE(FLiveLinkModule, LiveLink);
