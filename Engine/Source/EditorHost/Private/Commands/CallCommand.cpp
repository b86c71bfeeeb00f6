// `call <Target>.<Function> [Param=Value ...]`: calls any reflected function. Target is a class (its
// functions run on the class default object, created if need be, as GetMutableDefault gives it; an
// editor subsystem class means the running subsystem) or an object path. Arguments and results use
// the engine's property text form.

#include "CoreMinimal.h"
#include "Editor.h"
#include "Editor/EditorEngine.h"
#include "EditorSubsystem.h"
#include "HostConsole.h"
#include "Misc/OutputDevice.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/UnrealType.h"

namespace
{
	/** Collects the messages a failed text import reports. */
	class FImportErrors : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			if (!Text.IsEmpty())
			{
				Text += TEXT("; ");
			}
			Text += V;
		}

		FString Text;
	};

	/** Words separated by spaces; quotes and parentheses keep their content (spaces included) together. */
	bool SplitArguments(const FString& Args, TArray<FString>& OutWords, FString& OutError)
	{
		FString Current;
		int32 Depth = 0;
		bool bInQuotes = false;
		for (int32 Index = 0; Index < Args.Len(); ++Index)
		{
			const TCHAR Char = Args[Index];
			if (bInQuotes)
			{
				Current.AppendChar(Char);
				if (Char == TEXT('\\') && Index + 1 < Args.Len())
				{
					Current.AppendChar(Args[++Index]);
				}
				else if (Char == TEXT('"'))
				{
					bInQuotes = false;
				}
				continue;
			}
			if (Char == TEXT('"'))
			{
				bInQuotes = true;
			}
			else if (Char == TEXT('('))
			{
				++Depth;
			}
			else if (Char == TEXT(')'))
			{
				--Depth;
			}
			else if ((Char == TEXT(' ') || Char == TEXT('\t')) && Depth == 0)
			{
				if (!Current.IsEmpty())
				{
					OutWords.Add(Current);
					Current.Reset();
				}
				continue;
			}
			Current.AppendChar(Char);
		}
		if (bInQuotes || Depth != 0)
		{
			OutError = bInQuotes ? TEXT("unterminated quote") : TEXT("unbalanced parentheses");
			return false;
		}
		if (!Current.IsEmpty())
		{
			OutWords.Add(Current);
		}
		return true;
	}

	UClass* FindClassByName(const FString& Name)
	{
		if (UClass* Found = FindFirstObject<UClass>(*Name, EFindFirstObjectOptions::NativeFirst))
		{
			return Found;
		}
		// "UMyClass" / "AMyActor" name the class "MyClass" / "MyActor".
		if (Name.Len() > 1 && (Name[0] == TEXT('U') || Name[0] == TEXT('A')))
		{
			return FindFirstObject<UClass>(*Name.Mid(1), EFindFirstObjectOptions::NativeFirst);
		}
		return nullptr;
	}

	/** The object the function runs on; null with a message when there is none. */
	UObject* ResolveTarget(const FString& Target, const FName FunctionName, UFunction*& OutFunction, FString& OutError)
	{
		UObject* Object = nullptr;
		UClass* Class = nullptr;
		if (Target.StartsWith(TEXT("/")))
		{
			Object = StaticFindObject(UObject::StaticClass(), nullptr, *Target);
			if (!Object)
			{
				OutError = FString::Printf(TEXT("No object '%s'"), *Target);
				return nullptr;
			}
			if (UClass* AsClass = Cast<UClass>(Object))
			{
				Class = AsClass;
				Object = nullptr;
			}
		}
		else
		{
			Class = FindClassByName(Target);
			if (!Class)
			{
				OutError = FString::Printf(TEXT("No class or object '%s'"), *Target);
				return nullptr;
			}
		}
		UClass* SearchClass = Object ? Object->GetClass() : Class;
		OutFunction = SearchClass->FindFunctionByName(FunctionName);
		if (!OutFunction)
		{
			OutError = FString::Printf(TEXT("%s has no function '%s'"), *SearchClass->GetName(), *FunctionName.ToString());
			return nullptr;
		}
		if (Object)
		{
			return Object;
		}
		if (!OutFunction->HasAnyFunctionFlags(FUNC_Static) && Class->IsChildOf(UEditorSubsystem::StaticClass()))
		{
			UEditorSubsystem* Subsystem = GEditor ? GEditor->GetEditorSubsystemBase(Class) : nullptr;
			if (!Subsystem)
			{
				OutError = FString::Printf(TEXT("The editor subsystem %s is not running"), *Class->GetName());
			}
			return Subsystem;
		}
		// Settings-style classes keep their state on the class default object, so that is what a class names.
		return Class->GetDefaultObject();
	}

	FProperty* FindParameter(UFunction* Function, const FString& Name)
	{
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			if (It->HasAnyPropertyFlags(CPF_Parm) && !It->HasAnyPropertyFlags(CPF_ReturnParm) && It->GetName().Equals(Name, ESearchCase::IgnoreCase))
			{
				return *It;
			}
		}
		return nullptr;
	}

	FString ParameterList(UFunction* Function)
	{
		TArray<FString> Names;
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			if (It->HasAnyPropertyFlags(CPF_Parm) && !It->HasAnyPropertyFlags(CPF_ReturnParm))
			{
				Names.Add(It->GetName());
			}
		}
		return Names.Num() ? FString::Join(Names, TEXT(", ")) : FString(TEXT("none"));
	}

	/** Parameter block of the function, constructed and destroyed with its parameters. */
	struct FParmsBlock
	{
		explicit FParmsBlock(UFunction* InFunction)
			: Function(InFunction)
		{
			Memory.SetNumZeroed(FMath::Max<int32>(Function->ParmsSize, 1) + 16);
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->InitializeValue_InContainer(Get());
			}
		}

		~FParmsBlock()
		{
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->DestroyValue_InContainer(Get());
			}
		}

		uint8* Get()
		{
			// Aligned for any parameter type.
			return (uint8*)(((UPTRINT)Memory.GetData() + 15) & ~(UPTRINT)15);
		}

		UFunction* Function;
		TArray<uint8> Memory;
	};

	bool ImportArgument(FProperty* Parameter, const FString& Text, uint8* Parms, FString& OutError)
	{
		// Text of any other type may name things, and the engine takes no name that long.
		if (Text.Len() >= NAME_SIZE && !CastField<FStrProperty>(Parameter) && !CastField<FTextProperty>(Parameter))
		{
			OutError = FString::Printf(TEXT("Malformed value for %s: it is %d characters long; only string parameters take values of %d characters or more"), *Parameter->GetName(), Text.Len(), NAME_SIZE);
			return false;
		}
		FImportErrors Errors;
		const TCHAR* After = Parameter->ImportText_InContainer(*Text, Parms, nullptr, PPF_None, &Errors);
		if (!After)
		{
			OutError = FString::Printf(TEXT("Malformed value for %s: '%s'%s%s"), *Parameter->GetName(), *Text, Errors.Text.IsEmpty() ? TEXT("") : TEXT(" - "), *Errors.Text);
			return false;
		}
		while (*After == TEXT(' ') || *After == TEXT('\t'))
		{
			++After;
		}
		if (*After)
		{
			OutError = FString::Printf(TEXT("Malformed value for %s: unexpected '%s'"), *Parameter->GetName(), After);
			return false;
		}
		return true;
	}

	bool CallFunction(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!SplitArguments(Args, Words, Error) || Words.Num() == 0)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Usage: call <Target>.<Function> [Param=Value ...]%s%s"), Error.IsEmpty() ? TEXT("") : TEXT(" - "), *Error));
			return false;
		}
		if (Words[0].Len() >= NAME_SIZE)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Expected <Target>.<Function>, got %d characters; object paths and names take up to %d"), Words[0].Len(), NAME_SIZE - 1));
			return false;
		}
		int32 Dot = INDEX_NONE;
		if (!Words[0].FindLastChar(TEXT('.'), Dot) || Dot == 0 || Dot == Words[0].Len() - 1)
		{
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Expected <Target>.<Function>, got '%s'"), *Words[0]));
			return false;
		}
		const FString Target = Words[0].Left(Dot);
		const FName FunctionName(*Words[0].Mid(Dot + 1));
		UFunction* Function = nullptr;
		UObject* Object = ResolveTarget(Target, FunctionName, Function, Error);
		if (!Object)
		{
			Ar.Log(ELogVerbosity::Error, Error);
			return false;
		}

		FParmsBlock Parms(Function);
		TArray<FProperty*> Given;
		for (int32 Index = 1; Index < Words.Num(); ++Index)
		{
			int32 Equals = INDEX_NONE;
			if (!Words[Index].FindChar(TEXT('='), Equals) || Equals == 0)
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Expected Param=Value, got '%s'"), *Words[Index]));
				return false;
			}
			const FString Name = Words[Index].Left(Equals);
			FProperty* Parameter = FindParameter(Function, Name);
			if (!Parameter)
			{
				Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("%s has no parameter '%s' (parameters: %s)"), *Function->GetName(), *Name, *ParameterList(Function)));
				return false;
			}
			if (!ImportArgument(Parameter, Words[Index].Mid(Equals + 1), Parms.Get(), Error))
			{
				Ar.Log(ELogVerbosity::Error, Error);
				return false;
			}
			Given.Add(Parameter);
		}
		// Parameters left out take their declared C++ defaults, as a Blueprint node would.
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			if (!It->HasAnyPropertyFlags(CPF_Parm) || It->HasAnyPropertyFlags(CPF_ReturnParm) || Given.Contains(*It))
			{
				continue;
			}
			const FString& Default = Function->GetMetaData(*(FString(TEXT("CPP_Default_")) + It->GetName()));
			if (!Default.IsEmpty() && !ImportArgument(*It, Default, Parms.Get(), Error))
			{
				Ar.Log(ELogVerbosity::Error, Error);
				return false;
			}
		}

		Object->ProcessEvent(Function, Parms.Get());

		if (FProperty* ReturnProperty = Function->GetReturnProperty())
		{
			FString Value;
			ReturnProperty->ExportText_InContainer(0, Value, Parms.Get(), nullptr, nullptr, PPF_None);
			Ar.Log(FString::Printf(TEXT("ReturnValue=%s"), *Value));
		}
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			if (It->HasAnyPropertyFlags(CPF_OutParm) && !It->HasAnyPropertyFlags(CPF_ReturnParm))
			{
				FString Value;
				It->ExportText_InContainer(0, Value, Parms.Get(), nullptr, nullptr, PPF_None);
				Ar.Log(FString::Printf(TEXT("%s=%s"), *It->GetName(), *Value));
			}
		}
		return true;
	}

	FHostConsoleCommandRegistrant GCallCommand(
		TEXT("call"),
		TEXT("call <Target>.<Function> [Param=Value ...]: calls a reflected function (Target: class, editor subsystem class or object path)"),
		[](const FString& Args, FOutputDevice& Ar) { return CallFunction(Args, Ar); });
}
