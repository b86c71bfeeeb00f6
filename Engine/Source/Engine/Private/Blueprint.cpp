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

	UE::ObjectHost::FRuntimeClassBuilder Builder(*(GetName() + TEXT("_C")), ParentClass, GetOutermost());
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
