// Reflected types for CoreUObject's contract tests: one of each construct the header tool handles.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Interface.h"
#include "UObject/ScriptInterface.h"
#include "Templates/SubclassOf.h"
#include "ReflectionTestTypes.generated.h"

/** Modes of the test settings. */
UENUM(BlueprintType)
enum class EReflectionTestMode : uint8
{
	First,
	/** The second mode. */
	Second UMETA(DisplayName = "Second Mode"),
	Third
};

DECLARE_DYNAMIC_MULTICAST_DELEGATE_OneParam(FOnReflectionTestEvent, int32, Value);
DECLARE_DYNAMIC_DELEGATE_RetVal_OneParam(int32, FReflectionTestQuery, const FString&, Question);

/** A record saved in configuration. */
USTRUCT(BlueprintType)
struct FReflectionTestSettings
{
	GENERATED_BODY()

	/** How many. */
	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Test")
	int32 Count = 0;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Test")
	float Scale = 0.0f;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Test")
	FString Label;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Test")
	FName Tag;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Test")
	bool bEnabled = false;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Test")
	TArray<FString> Items;

	UPROPERTY(EditAnywhere, BlueprintReadWrite, Category = "Test")
	EReflectionTestMode Mode = EReflectionTestMode::First;

	UPROPERTY(EditAnywhere, Category = "Test")
	TObjectPtr<UObject> Target;
};

UINTERFACE(MinimalAPI, Blueprintable)
class UReflectionTestListener : public UInterface
{
	GENERATED_BODY()
};

class IReflectionTestListener
{
	GENERATED_BODY()

public:
	/** Told when pinged. */
	UFUNCTION(BlueprintImplementableEvent, BlueprintCallable, Category = "Test")
	void OnPing(FName Source, int32 Count);

	/** Describes the listener. */
	UFUNCTION(BlueprintNativeEvent, BlueprintCallable, Category = "Test")
	FString Describe(const FString& Prefix);
};

/**
 * An object with configuration, functions of every kind and a delegate.
 * Second line of the class comment.
 */
UCLASS(BlueprintType, config = ReflectionTest, ClassGroup = (Quovex))
class REFLECTIONTESTTYPES_API UReflectionTestObject : public UObject, public IReflectionTestListener
{
	GENERATED_BODY()

public:
	/** Settings kept in configuration. */
	UPROPERTY(Config)
	FReflectionTestSettings Settings;

	UPROPERTY(Config, EditAnywhere, Category = "Test")
	int32 Counter = 0;

	UPROPERTY(EditAnywhere, Category = "Test")
	uint8 bFlagA : 1;

	UPROPERTY(EditAnywhere, Category = "Test")
	uint8 bFlagB : 1;

	UPROPERTY(EditAnywhere, Category = "Test")
	TSubclassOf<UObject> ClassRef;

	UPROPERTY(BlueprintAssignable, Category = "Test")
	FOnReflectionTestEvent OnEvent;

	UPROPERTY()
	TArray<int32> Received;

	/**
	 * Adds two numbers.
	 * @param A first
	 * @return the sum
	 */
	UFUNCTION(BlueprintCallable, BlueprintPure, Category = "Test|Math", meta = (Keywords = "plus sum", CompactNodeTitle = "+"))
	static int32 Add(int32 A, int32 B = 2);

	/** Splits text at commas. */
	UFUNCTION(BlueprintCallable, Category = "Test")
	bool SplitText(const FString& Text, FString& OutFirst, TArray<FString>& OutParts);

	UFUNCTION(BlueprintCallable, Category = "Test")
	FReflectionTestSettings EchoSettings(FReflectionTestSettings InSettings) const;

	/** Records a broadcast value. */
	UFUNCTION()
	void HandleEvent(int32 Value);

	UFUNCTION(CallInEditor, Category = "Test")
	void Touch();

	/** Overridable hook. */
	UFUNCTION(BlueprintImplementableEvent, Category = "Test")
	int32 Hook(int32 Input);

	UFUNCTION(BlueprintNativeEvent, Category = "Test")
	void NativeHook(int32& InOut);

	virtual FString Describe_Implementation(const FString& Prefix) override;
	void NativeHook_Implementation(int32& InOut);

	/** Destroyed objects, for lifetime tests. */
	static int32 NumDestroyed;
	virtual void BeginDestroy() override;
};

UCLASS()
class REFLECTIONTESTTYPES_API UReflectionTestDerived : public UReflectionTestObject
{
	GENERATED_BODY()

public:
	UReflectionTestDerived();

	UPROPERTY(EditAnywhere, Category = "Test")
	double Extra = 0.0;
};

/** Makes a part in its constructor and holds references of every kind, for duplication. */
UCLASS()
class REFLECTIONTESTTYPES_API UReflectionTestContainer : public UObject
{
	GENERATED_BODY()

public:
	UReflectionTestContainer(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The default subobject "Part". */
	UPROPERTY()
	TObjectPtr<UReflectionTestObject> Part;

	UPROPERTY()
	TArray<TObjectPtr<UObject>> Links;

	UPROPERTY()
	TWeakObjectPtr<UObject> WeakLink;

	UPROPERTY()
	TMap<TObjectPtr<UObject>, int32> Ranks;

	UPROPERTY()
	TScriptInterface<IReflectionTestListener> Listener;
};

UCLASS(Abstract)
class REFLECTIONTESTTYPES_API UReflectionTestAbstract : public UObject
{
	GENERATED_BODY()
};
