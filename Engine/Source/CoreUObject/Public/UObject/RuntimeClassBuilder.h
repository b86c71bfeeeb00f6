// Host-only: classes built at run time, standing in for Blueprint-generated classes. A class gets a
// parent (native or run-time), interfaces, and script functions whose bodies are C++ callables
// taking the object and the parameter block. Instances construct as the nearest native ancestor.
// The Engine module's UBlueprintGeneratedClass is such a class of classes (ClassOfClass).

#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/Script.h"

class UPackage;

namespace UE::ObjectHost
{
	class COREUOBJECT_API FRuntimeClassBuilder
	{
	public:
		/** Name without prefix ("BP_Subscriber"); package defaults to a transient "/Game/RuntimeClasses/<Name>". */
		FRuntimeClassBuilder(const TCHAR* InClassName, UClass* InParentClass, UObject* InOuter = nullptr);

		/** The class object's own class: UClass or a subclass of it (UBlueprintGeneratedClass). */
		FRuntimeClassBuilder& SetClassOfClass(UClass* InClassOfClass);

		/** The class implements the interface (as a Blueprint does: no native interface part). */
		FRuntimeClassBuilder& AddInterface(UClass* InterfaceClass);

		/** A function with the signature of Signature (e.g. an interface event or a parent's
		 *  BlueprintImplementableEvent): overrides it for objects of this class. */
		FRuntimeClassBuilder& AddFunctionOverride(UFunction* Signature, FScriptFunctionBody Body);

		/** Override by name: looked up on the parent class and the interfaces added so far. */
		FRuntimeClassBuilder& AddFunctionOverride(FName FunctionName, FScriptFunctionBody Body);

		FRuntimeClassBuilder& SetMetaData(const TCHAR* Key, const TCHAR* Value);

		FRuntimeClassBuilder& AddClassFlags(EClassFlags Flags);

		/** Creates the class; fails loudly on a missing override target or a taken name. */
		UClass* Build();

	private:
		FString ClassName;
		UClass* ParentClass;
		UObject* Outer;
		UClass* ClassOfClass;
		EClassFlags ExtraClassFlags = CLASS_None;
		TArray<UClass*> InterfaceClasses;
		TArray<TPair<UFunction*, FScriptFunctionBody>> Overrides;
		TArray<TPair<FString, FString>> MetaData;
	};
}
