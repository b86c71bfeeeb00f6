#pragma once

#include "CoreMinimal.h"
#include "LiveLinkTypes.h"
#include "Templates/SubclassOf.h"
#include "UObject/Object.h"

#include "LiveLinkRole.generated.h"

/** What kind of data a subject carries (transform, camera ...): the types of its static and frame data. */
UCLASS(Abstract)
class LIVELINKINTERFACE_API ULiveLinkRole : public UObject
{
	GENERATED_BODY()

public:
	/** The struct type of the role's static data; every concrete role overrides it. */
	virtual UScriptStruct* GetStaticDataStruct() const;
	/** The struct type of the role's frame data; every concrete role overrides it. */
	virtual UScriptStruct* GetFrameDataStruct() const;
	/** The role's name for the user. */
	virtual FText GetDisplayName() const;
};

/** A subject and the role through which it is read (the field of a LiveLink component controller). */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkSubjectRepresentation
{
	GENERATED_BODY()

	FLiveLinkSubjectRepresentation() = default;
	FLiveLinkSubjectRepresentation(const FLiveLinkSubjectName& InSubject, const TSubclassOf<ULiveLinkRole>& InRole)
		: Subject(InSubject)
		, Role(InRole)
	{
	}

	/** The subject. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "LiveLink")
	FLiveLinkSubjectName Subject;

	/** The role the subject is read with. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "LiveLink")
	TSubclassOf<ULiveLinkRole> Role;

	bool operator==(const FLiveLinkSubjectRepresentation& Other) const
	{
		return Subject == Other.Subject && Role == Other.Role;
	}

	bool operator!=(const FLiveLinkSubjectRepresentation& Other) const
	{
		return !(*this == Other);
	}
};
