#pragma once

#include "CoreMinimal.h"
#include "Misc/Guid.h"
#include "UObject/Class.h"
#include "UObject/ObjectMacros.h"

#include <new>

#include "LiveLinkTypes.generated.h"

/** The name of a LiveLink subject. */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkSubjectName
{
	GENERATED_BODY()

	FLiveLinkSubjectName() = default;
	FLiveLinkSubjectName(FName InName)
		: Name(InName)
	{
	}
	FLiveLinkSubjectName(EName InName)
		: Name(InName)
	{
	}

	/** The subject's name. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "LiveLink")
	FName Name;

	bool IsNone() const
	{
		return Name.IsNone();
	}

	FString ToString() const
	{
		return Name.ToString();
	}

	operator FName() const
	{
		return Name;
	}

	bool operator==(const FLiveLinkSubjectName& Other) const
	{
		return Name == Other.Name;
	}

	bool operator!=(const FLiveLinkSubjectName& Other) const
	{
		return Name != Other.Name;
	}

	friend uint32 GetTypeHash(const FLiveLinkSubjectName& Value)
	{
		return GetTypeHash(Value.Name);
	}
};

/** Identifies a subject: the source that provides it and its name. */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkSubjectKey
{
	GENERATED_BODY()

	FLiveLinkSubjectKey() = default;
	FLiveLinkSubjectKey(FGuid InSource, FName InSubjectName)
		: Source(InSource)
		, SubjectName(InSubjectName)
	{
	}

	/** The guid of the subject's source. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "LiveLink")
	FGuid Source;

	/** The subject's name. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "LiveLink")
	FLiveLinkSubjectName SubjectName;

	bool operator==(const FLiveLinkSubjectKey& Other) const
	{
		return Source == Other.Source && SubjectName == Other.SubjectName;
	}

	bool operator!=(const FLiveLinkSubjectKey& Other) const
	{
		return !(*this == Other);
	}

	friend uint32 GetTypeHash(const FLiveLinkSubjectKey& Value)
	{
		return HashCombine(GetTypeHash(Value.Source), GetTypeHash(Value.SubjectName));
	}
};

/** Data of a subject that does not change from frame to frame. */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkBaseStaticData
{
	GENERATED_BODY()

	/** Names of the generic values each frame carries in PropertyValues. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	TArray<FName> PropertyNames;
};

/** One frame of a subject. */
USTRUCT(BlueprintType)
struct LIVELINKINTERFACE_API FLiveLinkBaseFrameData
{
	GENERATED_BODY()

	/** Generic values, named by the static data's PropertyNames. */
	UPROPERTY(EditAnywhere, Category = "LiveLink")
	TArray<float> PropertyValues;
};

/**
 * Owns one struct of a reflected type derived from BaseType (a role's static or frame data),
 * so that data of any role travels through one type.
 */
template<typename BaseType>
struct FLiveLinkBaseDataStruct
{
	FLiveLinkBaseDataStruct() = default;

	explicit FLiveLinkBaseDataStruct(const UScriptStruct* InScriptStruct)
	{
		InitializeWith(InScriptStruct, nullptr);
	}

	FLiveLinkBaseDataStruct(const UScriptStruct* InScriptStruct, const BaseType& InData)
	{
		InitializeWith(InScriptStruct, &InData);
	}

	FLiveLinkBaseDataStruct(FLiveLinkBaseDataStruct&& Other)
		: ScriptStruct(Other.ScriptStruct)
		, StructPtr(Other.StructPtr)
	{
		Other.ScriptStruct = nullptr;
		Other.StructPtr = nullptr;
	}

	FLiveLinkBaseDataStruct& operator=(FLiveLinkBaseDataStruct&& Other)
	{
		if (this != &Other)
		{
			Reset();
			ScriptStruct = Other.ScriptStruct;
			StructPtr = Other.StructPtr;
			Other.ScriptStruct = nullptr;
			Other.StructPtr = nullptr;
		}
		return *this;
	}

	// Copies are explicit (InitializeWith), as the data may be large.
	FLiveLinkBaseDataStruct(const FLiveLinkBaseDataStruct&) = delete;
	FLiveLinkBaseDataStruct& operator=(const FLiveLinkBaseDataStruct&) = delete;

	~FLiveLinkBaseDataStruct()
	{
		Reset();
	}

	/** Holds a new struct of the type, a copy of InData when given, default-initialised otherwise. */
	void InitializeWith(const UScriptStruct* InScriptStruct, const BaseType* InData)
	{
		Reset();
		if (InScriptStruct == nullptr)
		{
			return;
		}
		checkf(InScriptStruct->IsChildOf(BaseType::StaticStruct()), TEXT("%s is not a %s"), *InScriptStruct->GetName(), *BaseType::StaticStruct()->GetName());
		ScriptStruct = InScriptStruct;
		StructPtr = static_cast<BaseType*>(::operator new(ScriptStruct->GetStructureSize(), std::align_val_t(16)));
		ScriptStruct->InitializeStruct(StructPtr);
		if (InData != nullptr)
		{
			ScriptStruct->CopyScriptStruct(StructPtr, InData);
		}
	}

	void InitializeWith(const FLiveLinkBaseDataStruct& Other)
	{
		InitializeWith(Other.ScriptStruct, Other.StructPtr);
	}

	void Reset()
	{
		if (StructPtr != nullptr)
		{
			ScriptStruct->DestroyStruct(StructPtr);
			::operator delete(StructPtr, std::align_val_t(16));
		}
		ScriptStruct = nullptr;
		StructPtr = nullptr;
	}

	bool IsValid() const
	{
		return StructPtr != nullptr;
	}

	const UScriptStruct* GetStruct() const
	{
		return ScriptStruct;
	}

	BaseType* GetBaseData()
	{
		return StructPtr;
	}

	const BaseType* GetBaseData() const
	{
		return StructPtr;
	}

	/** The data as T when it is a T (or derived), else null. */
	template<typename T>
	T* Cast()
	{
		return (ScriptStruct != nullptr && ScriptStruct->IsChildOf(T::StaticStruct())) ? static_cast<T*>(StructPtr) : nullptr;
	}

	template<typename T>
	const T* Cast() const
	{
		return (ScriptStruct != nullptr && ScriptStruct->IsChildOf(T::StaticStruct())) ? static_cast<const T*>(StructPtr) : nullptr;
	}

private:
	const UScriptStruct* ScriptStruct = nullptr;
	BaseType* StructPtr = nullptr;
};

using FLiveLinkStaticDataStruct = FLiveLinkBaseDataStruct<FLiveLinkBaseStaticData>;
using FLiveLinkFrameDataStruct = FLiveLinkBaseDataStruct<FLiveLinkBaseFrameData>;

/** What an evaluation of a subject yields: its static data and a frame. */
struct FLiveLinkSubjectFrameData
{
	FLiveLinkStaticDataStruct StaticData;
	FLiveLinkFrameDataStruct FrameData;
};
