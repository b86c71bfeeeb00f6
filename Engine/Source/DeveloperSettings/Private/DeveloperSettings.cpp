#include "Engine/DeveloperSettings.h"

#include "Modules/ModuleManager.h"
#include "UObject/Class.h"

UDeveloperSettings::UDeveloperSettings(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, ContainerName(NAME_None)
	, CategoryName(NAME_None)
	, SectionName(NAME_None)
{
}

FName UDeveloperSettings::GetContainerName() const
{
	static const FName ProjectContainerName(TEXT("Project"));
	return ContainerName != NAME_None ? ContainerName : ProjectContainerName;
}

FName UDeveloperSettings::GetCategoryName() const
{
	if (CategoryName != NAME_None)
	{
		return CategoryName;
	}

	// The config file a class saves to says where its settings belong.
	const FName ConfigName = GetClass()->ClassConfigName;
	if (ConfigName == FName(TEXT("Engine")) || ConfigName == FName(TEXT("Game")) || ConfigName == FName(TEXT("Input")))
	{
		return ConfigName;
	}
	if (ConfigName == FName(TEXT("Editor")) || ConfigName == FName(TEXT("EditorPerProjectUserSettings")) || ConfigName == FName(TEXT("EditorSettings")))
	{
		return FName(TEXT("Editor"));
	}
	return FName(TEXT("General"));
}

FName UDeveloperSettings::GetSectionName() const
{
	return SectionName != NAME_None ? SectionName : GetClass()->GetFName();
}

#if WITH_EDITOR
FText UDeveloperSettings::GetSectionText() const
{
	return GetClass()->GetDisplayNameText();
}

FText UDeveloperSettings::GetSectionDescription() const
{
	return GetClass()->GetToolTipText();
}
#endif

IMPLEMENT_MODULE(FDefaultModuleImpl, DeveloperSettings);
