#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

#include "LiveLinkSourceSettings.generated.h"

/** How a source's frames are picked for evaluation. */
UENUM()
enum class ELiveLinkSourceMode : uint8
{
	/** The latest frame received. */
	Latest,
	/** Frames by engine time. */
	EngineTime,
	/** Frames by timecode. */
	Timecode,
};

/** Settings of one LiveLink source, kept by the client while the source exists. */
UCLASS()
class LIVELINKINTERFACE_API ULiveLinkSourceSettings : public UObject
{
	GENERATED_BODY()

public:
	/** How frames are picked for evaluation. */
	UPROPERTY(EditAnywhere, Category = "Settings")
	ELiveLinkSourceMode Mode = ELiveLinkSourceMode::Latest;

	/** What the source connects to; a source made from a preset takes its machine name from it. */
	UPROPERTY(EditAnywhere, Category = "Settings")
	FString ConnectionString;
};
