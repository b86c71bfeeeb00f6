// `colourwheel new|set|get|drag|rebuild`: places the plugin's colour wheel widget, sets and reads its
// colour and plays a user's drag on its Slate wheel. The widget class is reached by name through
// reflection only (the host knows no plugin header), as a panel's layout would name it.

#include "HostColourWheelListener.h"

#include "Components/Widget.h"
#include "CoreMinimal.h"
#include "HostConsole.h"
#include "Misc/OutputDevice.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UnrealType.h"
#include "Widgets/Colors/SColorWheel.h"

DEFINE_LOG_CATEGORY_STATIC(LogColourWheel, Log, All);

void UHostColourWheelListener::HandleColourChanged(const FLinearColor& NewColor)
{
	UE_LOG(LogColourWheel, Log, TEXT("%s: colour changed to %s"), *GetOuter()->GetName(), *NewColor.ToString());
}

void UHostColourWheelListener::HandleMouseCaptureBegin()
{
	UE_LOG(LogColourWheel, Log, TEXT("%s: mouse capture begin"), *GetOuter()->GetName());
}

void UHostColourWheelListener::HandleMouseCaptureEnd()
{
	UE_LOG(LogColourWheel, Log, TEXT("%s: mouse capture end"), *GetOuter()->GetName());
}

namespace
{
	const TCHAR* const ColourWheelClassName = TEXT("QuovexColourWheel");
	const TCHAR* const Usage = TEXT("Usage: colourwheel new <Name> | set <Name> <(R=,G=,B=,A=)> | get <Name> | drag <Name> <X,Y> [<X,Y> ...] | rebuild <Name>");

	/** The events a panel binds, each with the listener function that logs it. */
	struct FEventBinding
	{
		const TCHAR* Event;
		const TCHAR* Handler;
	};
	const FEventBinding EventBindings[] = {
		{ TEXT("OnColourChanged"), TEXT("HandleColourChanged") },
		{ TEXT("OnMouseCaptureBegin"), TEXT("HandleMouseCaptureBegin") },
		{ TEXT("OnMouseCaptureEnd"), TEXT("HandleMouseCaptureEnd") },
	};

	bool Fail(FOutputDevice& Ar, const FString& Message)
	{
		Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("colourwheel: %s"), *Message));
		return false;
	}

	/** A name an object can take: letters, digits and underscores. */
	bool IsPlainName(const FString& Name)
	{
		if (Name.IsEmpty() || FName(*Name).IsNone())
		{
			return false;
		}
		for (TCHAR Char : Name)
		{
			if (!FChar::IsAlnum(Char) && Char != TEXT('_'))
			{
				return false;
			}
		}
		return true;
	}

	UWidget* FindWheel(const FString& Name)
	{
		return FindObject<UWidget>(GetTransientPackage(), *Name);
	}

	/** Runs a reflected function of the wheel; Argument (text form) goes to its one parameter, a colour result comes back. */
	bool CallWheelFunction(UWidget* Wheel, const TCHAR* FunctionName, const FString* Argument, FLinearColor* OutResult, FString& OutError)
	{
		UFunction* Function = Wheel->FindFunction(FunctionName);
		if (Function == nullptr)
		{
			OutError = FString::Printf(TEXT("%s has no function %s"), *Wheel->GetClass()->GetName(), FunctionName);
			return false;
		}
		TArray<uint8> Memory;
		Memory.SetNumZeroed(FMath::Max<int32>(Function->ParmsSize, 1) + 16);
		uint8* Parms = (uint8*)(((UPTRINT)Memory.GetData() + 15) & ~(UPTRINT)15);
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			It->InitializeValue_InContainer(Parms);
		}
		bool bOk = true;
		for (TFieldIterator<FProperty> It(Function); It && bOk; ++It)
		{
			if (Argument && It->HasAnyPropertyFlags(CPF_Parm) && !It->HasAnyPropertyFlags(CPF_ReturnParm))
			{
				const TCHAR* After = It->ImportText_InContainer(**Argument, Parms, nullptr, PPF_None);
				while (After && (*After == TEXT(' ') || *After == TEXT('\t')))
				{
					++After;
				}
				if (After == nullptr || *After != 0)
				{
					OutError = FString::Printf(TEXT("'%s' is not a colour (expected (R=..,G=..,B=..,A=..))"), **Argument);
					bOk = false;
				}
			}
		}
		if (bOk)
		{
			Wheel->ProcessEvent(Function, Parms);
			if (OutResult)
			{
				const FStructProperty* ReturnProperty = CastField<FStructProperty>(Function->GetReturnProperty());
				if (ReturnProperty && ReturnProperty->Struct->GetFName() == FName(TEXT("LinearColor")))
				{
					*OutResult = *ReturnProperty->ContainerPtrToValuePtr<FLinearColor>(Parms);
				}
				else
				{
					OutError = FString::Printf(TEXT("%s.%s does not return a colour"), *Wheel->GetClass()->GetName(), FunctionName);
					bOk = false;
				}
			}
		}
		for (TFieldIterator<FProperty> It(Function); It; ++It)
		{
			It->DestroyValue_InContainer(Parms);
		}
		return bOk;
	}

	/** The Slate wheel the widget built; null when it built something else. */
	TSharedPtr<SColorWheel> SlateWheelOf(UWidget* Wheel)
	{
		const TSharedRef<SWidget> Built = Wheel->TakeWidget();
		if (Built->GetType() != FName(TEXT("SColorWheel")))
		{
			return nullptr;
		}
		return StaticCastSharedRef<SColorWheel>(Built);
	}

	/** "X,Y": a position relative to the wheel's centre, in wheel radii. */
	bool ParsePoint(const FString& Text, FVector2D& OutPoint)
	{
		FString XText;
		FString YText;
		if (!Text.Split(TEXT(","), &XText, &YText))
		{
			return false;
		}
		double X = 0.0;
		double Y = 0.0;
		if (!LexTryParseString(X, *XText.TrimStartAndEnd()) || !LexTryParseString(Y, *YText.TrimStartAndEnd()))
		{
			return false;
		}
		OutPoint = FVector2D(X, Y);
		return true;
	}

	bool RunNew(const TArray<FString>& Words, FOutputDevice& Ar)
	{
		if (Words.Num() != 2)
		{
			return Fail(Ar, Usage);
		}
		const FString& Name = Words[1];
		UClass* WheelClass = FHostConsoleCommands::FindClass(ColourWheelClassName, UWidget::StaticClass());
		if (WheelClass == nullptr)
		{
			return Fail(Ar, FString::Printf(TEXT("there is no widget class %s (is the plugin loaded?)"), ColourWheelClassName));
		}
		if (!IsPlainName(Name) || StaticFindObject(nullptr, GetTransientPackage(), *Name) != nullptr)
		{
			return Fail(Ar, FString::Printf(TEXT("'%s' is not a free object name"), *Name));
		}
		UWidget* Wheel = NewObject<UWidget>(GetTransientPackage(), WheelClass, FName(*Name), RF_Transient);
		// Placed in no layout, so the console's root stands for the panel that would hold it.
		Wheel->AddToRoot();
		UHostColourWheelListener* Listener = NewObject<UHostColourWheelListener>(Wheel, TEXT("ConsoleListener"), RF_Transient);
		for (const FEventBinding& Binding : EventBindings)
		{
			const FMulticastDelegateProperty* Event = CastField<FMulticastDelegateProperty>(WheelClass->FindPropertyByName(Binding.Event));
			if (Event == nullptr)
			{
				continue;
			}
			FScriptDelegate Delegate;
			Delegate.BindUFunction(Listener, Binding.Handler);
			Event->AddDelegate(Delegate, Wheel);
		}
		Wheel->TakeWidget();
		Ar.Log(FString::Printf(TEXT("Placed %s %s"), *WheelClass->GetName(), *Wheel->GetPathName()));
		return true;
	}

	bool RunSet(UWidget* Wheel, const TArray<FString>& Words, FOutputDevice& Ar)
	{
		if (Words.Num() != 3)
		{
			return Fail(Ar, Usage);
		}
		FString Error;
		if (!CallWheelFunction(Wheel, TEXT("SetColour"), &Words[2], nullptr, Error))
		{
			return Fail(Ar, Error);
		}
		return true;
	}

	bool RunGet(UWidget* Wheel, const TArray<FString>& Words, FOutputDevice& Ar)
	{
		if (Words.Num() != 2)
		{
			return Fail(Ar, Usage);
		}
		FLinearColor Colour;
		FString Error;
		if (!CallWheelFunction(Wheel, TEXT("GetCurrentColour"), nullptr, &Colour, Error))
		{
			return Fail(Ar, Error);
		}
		// The linear colour the widget keeps, and the HSV the Slate wheel shows for it.
		Ar.Log(FString::Printf(TEXT("Colour=%s"), *Colour.ToString()));
		if (!Wheel->IsConstructed())
		{
			Ar.Log(TEXT("Wheel=(not built)"));
			return true;
		}
		const TSharedPtr<SColorWheel> SlateWheel = SlateWheelOf(Wheel);
		Ar.Log(SlateWheel.IsValid() ? FString::Printf(TEXT("Wheel=%s"), *SlateWheel->GetSelectedColor().ToString()) : FString(TEXT("Wheel=(not a colour wheel)")));
		return true;
	}

	bool RunDrag(UWidget* Wheel, const TArray<FString>& Words, FOutputDevice& Ar)
	{
		if (Words.Num() < 3)
		{
			return Fail(Ar, Usage);
		}
		TArray<FVector2D> Points;
		for (int32 Index = 2; Index < Words.Num(); ++Index)
		{
			FVector2D Point;
			if (!ParsePoint(Words[Index], Point))
			{
				return Fail(Ar, FString::Printf(TEXT("'%s' is not a point X,Y (relative to the wheel's centre, in wheel radii)"), *Words[Index]));
			}
			Points.Add(Point);
		}
		const TSharedPtr<SColorWheel> SlateWheel = SlateWheelOf(Wheel);
		if (!SlateWheel.IsValid())
		{
			return Fail(Ar, FString::Printf(TEXT("%s did not build a colour wheel"), *Wheel->GetName()));
		}
		SlateWheel->PressAt(Points[0]);
		for (int32 Index = 1; Index < Points.Num(); ++Index)
		{
			SlateWheel->MoveTo(Points[Index]);
		}
		SlateWheel->Release();
		return true;
	}

	bool RunRebuild(UWidget* Wheel, const TArray<FString>& Words, FOutputDevice& Ar)
	{
		if (Words.Num() != 2)
		{
			return Fail(Ar, Usage);
		}
		Wheel->ReleaseSlateResources(true);
		Wheel->TakeWidget();
		Ar.Log(FString::Printf(TEXT("Rebuilt %s"), *Wheel->GetName()));
		return true;
	}

	bool RunColourWheel(const FString& Args, FOutputDevice& Ar)
	{
		TArray<FString> Words;
		FString Error;
		if (!FHostConsoleCommands::Tokenize(Args, Words, Error))
		{
			return Fail(Ar, FString::Printf(TEXT("%s. %s"), *Error, Usage));
		}
		if (Words.Num() < 2)
		{
			return Fail(Ar, Usage);
		}
		const FString Verb = Words[0].ToLower();
		if (Verb == TEXT("new"))
		{
			return RunNew(Words, Ar);
		}
		if (Verb != TEXT("set") && Verb != TEXT("get") && Verb != TEXT("drag") && Verb != TEXT("rebuild"))
		{
			return Fail(Ar, FString::Printf(TEXT("unknown action '%s'. %s"), *Words[0], Usage));
		}
		UWidget* Wheel = FindWheel(Words[1]);
		if (Wheel == nullptr || !Wheel->GetClass()->GetName().Equals(ColourWheelClassName))
		{
			return Fail(Ar, FString::Printf(TEXT("no colour wheel '%s' (place one with colourwheel new %s)"), *Words[1], *Words[1]));
		}
		if (Verb == TEXT("set"))
		{
			return RunSet(Wheel, Words, Ar);
		}
		if (Verb == TEXT("get"))
		{
			return RunGet(Wheel, Words, Ar);
		}
		if (Verb == TEXT("drag"))
		{
			return RunDrag(Wheel, Words, Ar);
		}
		return RunRebuild(Wheel, Words, Ar);
	}

	FHostConsoleCommandRegistrant GColourWheelCommand(
		TEXT("colourwheel"),
		TEXT("colourwheel new <Name> | set <Name> <Colour> | get <Name> | drag <Name> <X,Y> [<X,Y> ...] | rebuild <Name>: places the plugin's colour wheel, sets/reads its linear colour, plays a drag (points relative to the centre, in wheel radii), rebuilds its Slate wheel"),
		[](const FString& Args, FOutputDevice& Ar) { return RunColourWheel(Args, Ar); });
}
