#pragma once

#include "CoreMinimal.h"
#include "LiveLinkRole.h"
#include "LiveLinkTypes.h"
#include "Templates/SubclassOf.h"
#include "UObject/ObjectPtr.h"

#include "LiveLinkPresetTypes.generated.h"

class ULiveLinkSourceSettings;
class ULiveLinkSubjectSettings;

/** A source as a preset stores it. */
USTRUCT()
struct LIVELINKINTERFACE_API FLiveLinkSourcePreset
{
	GENERATED_BODY()

	/** The source's guid. */
	UPROPERTY()
	FGuid Guid;

	/** The source's settings. */
	UPROPERTY()
	TObjectPtr<ULiveLinkSourceSettings> Settings;

	/** The source's type, as the source names it. */
	UPROPERTY()
	FText SourceType;
};

/** A subject as a preset stores it. */
USTRUCT()
struct LIVELINKINTERFACE_API FLiveLinkSubjectPreset
{
	GENERATED_BODY()

	/** The subject's source and name. */
	UPROPERTY()
	FLiveLinkSubjectKey Key;

	/** The subject's role. */
	UPROPERTY()
	TSubclassOf<ULiveLinkRole> Role;

	/** The subject's settings; null gives the default settings. */
	UPROPERTY()
	TObjectPtr<ULiveLinkSubjectSettings> Settings;

	/** Whether the subject is enabled. */
	UPROPERTY()
	bool bEnabled = false;
};
