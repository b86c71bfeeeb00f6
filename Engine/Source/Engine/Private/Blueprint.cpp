#include "Engine/Blueprint.h"

#include "BlueprintScript.h"

#include "Engine/BlueprintGeneratedClass.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "UObject/RuntimeClassBuilder.h"

DEFINE_LOG_CATEGORY_STATIC(LogBlueprint, Log, All);

UClass* UBlueprint::GetBlueprintClass() const
{
	return UBlueprintGeneratedClass::StaticClass();
}

void UBlueprint::PostLoad()
{
	Super::PostLoad();
	if (GeneratedClass != nullptr)
	{
		return;
	}
	if (ParentClass == nullptr)
	{
		UE_LOG(LogBlueprint, Warning, TEXT("Blueprint %s has no parent class; it has no generated class"), *GetPathName());
		return;
	}

	// The class sits in the package beside the Blueprint: its name must be free there, and the longest name made
	// from it, its default object's, must fit in a name.
	const FString ClassName = GetName() + TEXT("_C");
	const int32 DefaultObjectNameLen = FCString::Strlen(TEXT("Default__")) + ClassName.Len();
	if (DefaultObjectNameLen >= NAME_SIZE)
	{
		UE_LOG(LogBlueprint, Warning, TEXT("Blueprint %s has a name too long for its class's default object (%d characters, names take up to %d); it has no generated class"), *GetPathName(), DefaultObjectNameLen, NAME_SIZE - 1);
		return;
	}
	if (UObject* Taken = StaticFindObjectFast(nullptr, GetOutermost(), FName(*ClassName)))
	{
		UE_LOG(LogBlueprint, Warning, TEXT("Blueprint %s cannot make its class: %s is taken by a %s; it has no generated class"), *GetPathName(), *Taken->GetPathName(), *Taken->GetClass()->GetName());
		return;
	}
	UE::ObjectHost::FRuntimeClassBuilder Builder(*ClassName, ParentClass, GetOutermost());
	Builder.SetClassOfClass(GetBlueprintClass());
	for (const FBPInterfaceDescription& Description : ImplementedInterfaces)
	{
		if (Description.Interface)
		{
			Builder.AddInterface(Description.Interface);
		}
	}
	UE::BlueprintScript::AddEventGraph(*this, Builder);
	GeneratedClass = Builder.Build();
	if (UBlueprintGeneratedClass* Generated = Cast<UBlueprintGeneratedClass>(GeneratedClass.Get()))
	{
		Generated->GeneratedBy = this;
	}
	// A loaded Blueprint class has its default object, as after the engine links a class.
	GeneratedClass->GetDefaultObject();
}
