// Copyright Quovex. All Rights Reserved.

#include "QuovexLensCalSequenceGenerator.h"

#include "Misc/ConfigCacheIni.h"
#include "Misc/DateTime.h"
#include "Misc/Paths.h"

UQuovexLensCalSequenceGenerator::UQuovexLensCalSequenceGenerator(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FLensCalSequenceSettings UQuovexLensCalSequenceGenerator::GetSettings()
{
	return GetDefault<UQuovexLensCalSequenceGenerator>()->SequenceSettings;
}

void UQuovexLensCalSequenceGenerator::SaveSettings(FLensCalSequenceSettings settings)
{
	// Instances never keep their own copy: the default object is what the panel and the file share.
	UQuovexLensCalSequenceGenerator* Defaults = GetMutableDefault<UQuovexLensCalSequenceGenerator>();
	Defaults->SequenceSettings = settings;
	Defaults->SequenceSettings.TimeStamp = FDateTime::Now().ToString();

	const FString ConfigFile = FPaths::ProjectConfigDir() + TEXT("DefaultQuovexLensCalSequenceSettings.ini");
	Defaults->SaveConfig(CPF_None, *ConfigFile, GConfig, true);
}
