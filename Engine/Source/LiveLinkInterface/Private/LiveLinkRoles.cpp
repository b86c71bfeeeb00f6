#include "LiveLinkRole.h"
#include "Roles/LiveLinkBasicRole.h"
#include "Roles/LiveLinkCameraRole.h"
#include "Roles/LiveLinkCameraTypes.h"
#include "Roles/LiveLinkTransformRole.h"
#include "Roles/LiveLinkTransformTypes.h"

#define LOCTEXT_NAMESPACE "LiveLinkRole"

UScriptStruct* ULiveLinkRole::GetStaticDataStruct() const
{
	checkf(false, TEXT("%s does not name its static data struct"), *GetClass()->GetName());
	return nullptr;
}

UScriptStruct* ULiveLinkRole::GetFrameDataStruct() const
{
	checkf(false, TEXT("%s does not name its frame data struct"), *GetClass()->GetName());
	return nullptr;
}

FText ULiveLinkRole::GetDisplayName() const
{
	return FText::FromString(GetClass()->GetName());
}

UScriptStruct* ULiveLinkBasicRole::GetStaticDataStruct() const
{
	return FLiveLinkBaseStaticData::StaticStruct();
}

UScriptStruct* ULiveLinkBasicRole::GetFrameDataStruct() const
{
	return FLiveLinkBaseFrameData::StaticStruct();
}

FText ULiveLinkBasicRole::GetDisplayName() const
{
	return LOCTEXT("BasicRole", "Basic");
}

UScriptStruct* ULiveLinkTransformRole::GetStaticDataStruct() const
{
	return FLiveLinkTransformStaticData::StaticStruct();
}

UScriptStruct* ULiveLinkTransformRole::GetFrameDataStruct() const
{
	return FLiveLinkTransformFrameData::StaticStruct();
}

FText ULiveLinkTransformRole::GetDisplayName() const
{
	return LOCTEXT("TransformRole", "Transform");
}

UScriptStruct* ULiveLinkCameraRole::GetStaticDataStruct() const
{
	return FLiveLinkCameraStaticData::StaticStruct();
}

UScriptStruct* ULiveLinkCameraRole::GetFrameDataStruct() const
{
	return FLiveLinkCameraFrameData::StaticStruct();
}

FText ULiveLinkCameraRole::GetDisplayName() const
{
	return LOCTEXT("CameraRole", "Camera");
}

#undef LOCTEXT_NAMESPACE
