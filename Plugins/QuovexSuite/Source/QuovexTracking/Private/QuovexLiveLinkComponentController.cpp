// Copyright Quovex. All Rights Reserved.

#include "QuovexLiveLinkComponentController.h"

#include "Features/IModularFeatures.h"
#include "ILiveLinkClient.h"
#include "QuovexLiveLinkRole.h"

UQuovexLiveLinkComponentController::UQuovexLiveLinkComponentController() = default;

FLiveLinkQuovexFrameData UQuovexLiveLinkComponentController::GetTrackingData() const
{
	IModularFeatures& ModularFeatures = IModularFeatures::Get();
	if (SubjectRepresentation.Subject.IsNone() || !ModularFeatures.IsModularFeatureAvailable(ILiveLinkClient::ModularFeatureName))
	{
		return FLiveLinkQuovexFrameData();
	}

	// Evaluated on demand rather than cached at tick, so the editor reads the newest frame even while nothing ticks.
	ILiveLinkClient& Client = ModularFeatures.GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName);
	FLiveLinkSubjectFrameData Frame;
	if (Client.EvaluateFrame_AnyThread(SubjectRepresentation.Subject, UQuovexLiveLinkRole::StaticClass(), Frame))
	{
		if (const FLiveLinkQuovexFrameData* TrackerFrame = Frame.FrameData.Cast<FLiveLinkQuovexFrameData>())
		{
			return *TrackerFrame;
		}
	}
	return FLiveLinkQuovexFrameData();
}
