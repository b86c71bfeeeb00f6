#include "BlueprintScript.h"

#include "Engine/Blueprint.h"
#include "UObject/Class.h"
#include "UObject/RuntimeClassBuilder.h"
#include "UObject/UnrealType.h"

DEFINE_LOG_CATEGORY_STATIC(LogBlueprintScript, Log, All);

namespace UE::BlueprintScript
{
	namespace
	{
		/** A resolved call: the function, and each argument's parameter with its text template. */
		struct FResolvedCall
		{
			UFunction* Function = nullptr;
			TArray<TPair<FProperty*, FString>> Arguments;
		};

		/** The text as a name, or None when it is too long to be one: the graph's strings are not checked as they load,
		 *  and no function or parameter has such a name. */
		FName NameIfItFits(const FString& Text)
		{
			return Text.Len() < NAME_SIZE ? FName(*Text) : NAME_None;
		}

		UFunction* FindEventSignature(const UBlueprint& Blueprint, FName Event)
		{
			for (const FBPInterfaceDescription& Description : Blueprint.ImplementedInterfaces)
			{
				if (Description.Interface)
				{
					if (UFunction* Function = Description.Interface->FindFunctionByName(Event))
					{
						return Function;
					}
				}
			}
			return Blueprint.ParentClass ? Blueprint.ParentClass->FindFunctionByName(Event) : nullptr;
		}

		bool Resolve(const UBlueprint& Blueprint, const FBlueprintScriptCall& Call, FResolvedCall& Out)
		{
			FString ClassPath;
			FString FunctionName;
			if (!Call.Function.Split(TEXT(":"), &ClassPath, &FunctionName))
			{
				UE_LOG(LogBlueprintScript, Warning, TEXT("%s: '%s' is not /Script/Module.Class:Function"), *Blueprint.GetPathName(), *Call.Function);
				return false;
			}
			UClass* Class = FindObject<UClass>(nullptr, *ClassPath);
			Out.Function = Class ? Class->FindFunctionByName(NameIfItFits(FunctionName)) : nullptr;
			if (!Out.Function || !Out.Function->HasAnyFunctionFlags(FUNC_Static))
			{
				UE_LOG(LogBlueprintScript, Warning, TEXT("%s: no static function %s"), *Blueprint.GetPathName(), *Call.Function);
				return false;
			}
			for (const FString& Argument : Call.Arguments)
			{
				FString Name;
				FString Value;
				FProperty* Parameter = Argument.Split(TEXT("="), &Name, &Value) ? FindFProperty<FProperty>(Out.Function, NameIfItFits(Name.TrimStartAndEnd())) : nullptr;
				if (!Parameter || !Parameter->HasAnyPropertyFlags(CPF_Parm) || Parameter->HasAnyPropertyFlags(CPF_ReturnParm))
				{
					UE_LOG(LogBlueprintScript, Warning, TEXT("%s: %s has no parameter for '%s'"), *Blueprint.GetPathName(), *Call.Function, *Argument);
					return false;
				}
				Out.Arguments.Add(TPair<FProperty*, FString>(Parameter, Value.TrimStartAndEnd()));
			}
			return true;
		}

		/** The argument text with every "{Name}" replaced by the event parameter's value in text form. */
		FString Substitute(const FString& Template, UFunction* Signature, void* EventParms)
		{
			FString Result = Template;
			if (!Signature)
			{
				return Result;
			}
			for (TFieldIterator<FProperty> It(Signature); It; ++It)
			{
				if (!It->HasAnyPropertyFlags(CPF_Parm))
				{
					continue;
				}
				FString Text;
				It->ExportTextItem_Direct(Text, It->ContainerPtrToValuePtr<void>(EventParms), nullptr, nullptr, PPF_None);
				Result.ReplaceInline(*(FString(TEXT("{")) + It->GetName() + TEXT("}")), *Text);
			}
			return Result;
		}

		void Run(const FResolvedCall& Call, UFunction* Signature, void* EventParms)
		{
			TArray<uint8> Memory;
			Memory.SetNumZeroed(FMath::Max<int32>(Call.Function->ParmsSize, 1) + 16);
			uint8* Parms = (uint8*)(((UPTRINT)Memory.GetData() + 15) & ~(UPTRINT)15);
			for (TFieldIterator<FProperty> It(Call.Function); It; ++It)
			{
				It->InitializeValue_InContainer(Parms);
			}
			bool bImported = true;
			for (const TPair<FProperty*, FString>& Argument : Call.Arguments)
			{
				const FString Text = Substitute(Argument.Value, Signature, EventParms);
				if (!Argument.Key->ImportText_InContainer(*Text, Parms, nullptr, PPF_None))
				{
					UE_LOG(LogBlueprintScript, Warning, TEXT("%s: '%s' is not a value of %s"), *Call.Function->GetName(), *Text, *Argument.Key->GetName());
					bImported = false;
				}
			}
			if (bImported)
			{
				UObject* Target = Call.Function->GetOuterUClass()->GetDefaultObject();
				Target->ProcessEvent(Call.Function, Parms);
			}
			for (TFieldIterator<FProperty> It(Call.Function); It; ++It)
			{
				It->DestroyValue_InContainer(Parms);
			}
		}
	}

	void AddEventGraph(const UBlueprint& Blueprint, UE::ObjectHost::FRuntimeClassBuilder& Builder)
	{
		TMap<FName, TArray<FResolvedCall>> CallsByEvent;
		for (const FBlueprintScriptCall& Call : Blueprint.EventGraphCalls)
		{
			if (!FindEventSignature(Blueprint, Call.Event))
			{
				UE_LOG(LogBlueprintScript, Warning, TEXT("%s: no event %s on its parent class or interfaces"), *Blueprint.GetPathName(), *Call.Event.ToString());
				continue;
			}
			FResolvedCall Resolved;
			if (Resolve(Blueprint, Call, Resolved))
			{
				CallsByEvent.FindOrAdd(Call.Event).Add(Resolved);
			}
		}
		for (const TPair<FName, TArray<FResolvedCall>>& Event : CallsByEvent)
		{
			UFunction* Signature = FindEventSignature(Blueprint, Event.Key);
			const TArray<FResolvedCall> Calls = Event.Value;
			Builder.AddFunctionOverride(Event.Key, [Signature, Calls](UObject* Context, void* Parms) {
				for (const FResolvedCall& Call : Calls)
				{
					Run(Call, Signature, Parms);
				}
			});
		}
	}
}
