// Base of the settings classes that the editor's settings viewer lists on its own.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "DeveloperSettings.generated.h"

/**
 * The base class of auto-discovered settings objects: a config class deriving from it names the
 * container, category and section under which its class default object is shown and saved.
 */
UCLASS(Abstract)
class DEVELOPERSETTINGS_API UDeveloperSettings : public UObject
{
	GENERATED_BODY()

public:
	UDeveloperSettings(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The settings container: "Project" unless a subclass sets ContainerName. */
	virtual FName GetContainerName() const;

	/** The category within the container; derived from the class's config file when not set. */
	virtual FName GetCategoryName() const;

	/** The section within the category; the class name when not set. */
	virtual FName GetSectionName() const;

#if WITH_EDITOR
	/** The section's display text. */
	virtual FText GetSectionText() const;

	/** The section's description text. */
	virtual FText GetSectionDescription() const;
#endif

	/** Whether the settings module registers this class on its own. */
	virtual bool SupportsAutoRegistration() const
	{
		return true;
	}

protected:
	/** Overrides the container name; NAME_None keeps the default. */
	FName ContainerName;

	/** Overrides the category name; NAME_None derives it from the config file. */
	FName CategoryName;

	/** Overrides the section name; NAME_None uses the class name. */
	FName SectionName;
};
