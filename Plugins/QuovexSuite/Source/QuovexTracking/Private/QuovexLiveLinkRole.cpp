// Copyright Quovex. All Rights Reserved.

#include "QuovexLiveLinkRole.h"

#include "LiveLinkQuovexTypes.h"

#define LOCTEXT_NAMESPACE "QuovexLiveLinkRole"

UScriptStruct* UQuovexLiveLinkRole::GetFrameDataStruct() const
{
	return FLiveLinkQuovexFrameData::StaticStruct();
}

FText UQuovexLiveLinkRole::GetDisplayName() const
{
	return LOCTEXT("QuovexTrackerRole", "Quovex Tracker");
}

#undef LOCTEXT_NAMESPACE
