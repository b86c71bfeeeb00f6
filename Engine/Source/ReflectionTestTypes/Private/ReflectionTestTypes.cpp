#include "ReflectionTestTypes.h"

int32 UReflectionTestObject::NumDestroyed = 0;

int32 UReflectionTestObject::Add(int32 A, int32 B)
{
	return A + B;
}

bool UReflectionTestObject::SplitText(const FString& Text, FString& OutFirst, TArray<FString>& OutParts)
{
	Text.ParseIntoArray(OutParts, TEXT(","), true);
	OutFirst = OutParts.Num() > 0 ? OutParts[0] : FString();
	return OutParts.Num() > 1;
}

FReflectionTestSettings UReflectionTestObject::EchoSettings(FReflectionTestSettings InSettings) const
{
	InSettings.Count += Counter;
	return InSettings;
}

void UReflectionTestObject::HandleEvent(int32 Value)
{
	Received.Add(Value);
}

void UReflectionTestObject::Touch()
{
	++Counter;
}

FString UReflectionTestObject::Describe_Implementation(const FString& Prefix)
{
	return Prefix + GetName();
}

void UReflectionTestObject::NativeHook_Implementation(int32& InOut)
{
	// Wraps as unsigned arithmetic does: any int32 may come in (the console's call passes what it is given).
	InOut = (int32)((uint32)InOut * 10u);
}

void UReflectionTestObject::BeginDestroy()
{
	++NumDestroyed;
	Super::BeginDestroy();
}

UReflectionTestDerived::UReflectionTestDerived()
{
	Extra = 1.5;
}

UReflectionTestContainer::UReflectionTestContainer(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	Part = CreateDefaultSubobject<UReflectionTestObject>(TEXT("Part"));
}
