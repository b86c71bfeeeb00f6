#include "UObject/RuntimeClassBuilder.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"

namespace UE::ObjectHost
{
	FRuntimeClassBuilder::FRuntimeClassBuilder(const TCHAR* InClassName, UClass* InParentClass, UObject* InOuter)
		: ClassName(InClassName)
		, ParentClass(InParentClass)
		, Outer(InOuter)
		, ClassOfClass(UClass::StaticClass())
	{
		checkf(ParentClass != nullptr, TEXT("A run-time class needs a parent class"));
		checkf(!ParentClass->HasAnyClassFlags(CLASS_Interface), TEXT("A run-time class cannot derive from the interface %s"), *ParentClass->GetName());
	}

	FRuntimeClassBuilder& FRuntimeClassBuilder::SetClassOfClass(UClass* InClassOfClass)
	{
		checkf(InClassOfClass && InClassOfClass->IsChildOf(UClass::StaticClass()), TEXT("The class of a class must derive from UClass"));
		ClassOfClass = InClassOfClass;
		return *this;
	}

	FRuntimeClassBuilder& FRuntimeClassBuilder::AddInterface(UClass* InterfaceClass)
	{
		checkf(InterfaceClass && InterfaceClass->HasAnyClassFlags(CLASS_Interface), TEXT("%s is not an interface"), InterfaceClass ? *InterfaceClass->GetName() : TEXT("None"));
		InterfaceClasses.AddUnique(InterfaceClass);
		return *this;
	}

	FRuntimeClassBuilder& FRuntimeClassBuilder::AddFunctionOverride(UFunction* Signature, FScriptFunctionBody Body)
	{
		checkf(Signature != nullptr, TEXT("A function override needs the function it overrides"));
		checkf((bool)Body, TEXT("A function override needs a body"));
		Overrides.Add(TPair<UFunction*, FScriptFunctionBody>(Signature, MoveTemp(Body)));
		return *this;
	}

	FRuntimeClassBuilder& FRuntimeClassBuilder::AddFunctionOverride(FName FunctionName, FScriptFunctionBody Body)
	{
		UFunction* Signature = ParentClass->FindFunctionByName(FunctionName);
		for (int32 Index = 0; !Signature && Index < InterfaceClasses.Num(); ++Index)
		{
			Signature = InterfaceClasses[Index]->FindFunctionByName(FunctionName);
		}
		checkf(Signature != nullptr, TEXT("No function %s on %s or its interfaces to override"), *FunctionName.ToString(), *ParentClass->GetName());
		return AddFunctionOverride(Signature, MoveTemp(Body));
	}

	FRuntimeClassBuilder& FRuntimeClassBuilder::SetMetaData(const TCHAR* Key, const TCHAR* Value)
	{
		MetaData.Add(TPair<FString, FString>(FString(Key), FString(Value)));
		return *this;
	}

	FRuntimeClassBuilder& FRuntimeClassBuilder::AddClassFlags(EClassFlags Flags)
	{
		ExtraClassFlags |= Flags;
		return *this;
	}

	UClass* FRuntimeClassBuilder::Build()
	{
		UObject* ClassOuter = Outer ? Outer : (UObject*)GetTransientPackage();
		UClass* NewClass = NewObject<UClass>(ClassOuter, ClassOfClass, FName(*ClassName), RF_Public);
		NewClass->SetSuperStruct(ParentClass);
		NewClass->ClassFlags = (NewClass->ClassFlags & ~(CLASS_Native | CLASS_Intrinsic | CLASS_Abstract)) | CLASS_CompiledFromBlueprint | ExtraClassFlags;
		for (UClass* Interface : InterfaceClasses)
		{
			// Blueprint implementations have no native interface part.
			NewClass->AddInterface(Interface, 0, true);
		}
		for (TPair<UFunction*, FScriptFunctionBody>& Override : Overrides)
		{
			UFunction* Signature = Override.Key;
			UFunction* Function = NewObject<UFunction>(NewClass, UFunction::StaticClass(), Signature->GetFName(), RF_Public);
			// The parameters are the signature's (reached through the super function).
			Function->SetSuperStruct(Signature);
			Function->FunctionFlags = (Signature->FunctionFlags & ~FUNC_Native) | FUNC_BlueprintEvent;
			Function->NumParms = Signature->NumParms;
			Function->ParmsSize = Signature->ParmsSize;
			Function->ReturnValueOffset = Signature->ReturnValueOffset;
			Function->SetPropertiesSize(Signature->GetPropertiesSize());
			Function->SetScriptBody(MoveTemp(Override.Value));
			NewClass->AddChild(Function);
			NewClass->AddFunctionToFunctionMap(Function, Function->GetFName());
		}
#if WITH_EDITOR
		for (const TPair<FString, FString>& Pair : MetaData)
		{
			NewClass->SetMetaData(*Pair.Key, *Pair.Value);
		}
#endif
		return NewClass;
	}
}
