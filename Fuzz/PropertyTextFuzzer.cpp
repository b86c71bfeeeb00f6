// The text import of reflected properties: every struct and every class property the engine's modules register
// (numbers, enums, strings, names, texts, object and soft paths, arrays, maps, delegates, structs within structs and
// the structs that read their own text form).
//
// Input: one character for what is imported ('S' a whole struct, 'P' one property, 'D' one property delimited as
// inside a struct; any other character picks by its bits), the name of the struct ("/Script/CoreUObject.Vector") or
// property ("/Script/Module.Class:Property") up to a line break, then the text. A name that matches nothing still
// picks a target by its hash, so every input imports something.
//
// A value that imports must export to text that imports again, and that second value must export the same text:
// what the engine writes (config, assets, the console's results) it must be able to read back.

#include "FuzzSupport.h"

#include "CoreMinimal.h"
#include "Misc/OutputDevice.h"
#include "UObject/Class.h"
#include "UObject/UObjectIterator.h"
#include "UObject/UnrealType.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
	/** Swallows the messages of a failed import; they are the expected outcome of most inputs. */
	class FNullErrors : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
		}
	};

	/** Raw memory for one value, aligned for any type the engine reflects. */
	class FValueMemory
	{
	public:
		explicit FValueMemory(int32 Size)
		{
			Memory.SetNumZeroed(FMath::Max(Size, 1) + 16);
		}

		void* Get()
		{
			return (void*)(((UPTRINT)Memory.GetData() + 15) & ~(UPTRINT)15);
		}

	private:
		TArray<uint8> Memory;
	};

	/** A struct as a whole, or one property of a class or struct on its own. */
	class FTarget
	{
	public:
		explicit FTarget(UScriptStruct* InStruct)
			: Struct(InStruct)
		{
		}

		explicit FTarget(FProperty* InProperty)
			: Property(InProperty)
		{
		}

		int32 Size() const
		{
			return Struct ? Struct->GetStructureSize() : Property->ElementSize;
		}

		void Initialize(void* Value) const
		{
			Struct ? Struct->InitializeStruct(Value) : Property->InitializeValue(Value);
		}

		void Destroy(void* Value) const
		{
			Struct ? Struct->DestroyStruct(Value) : Property->DestroyValue(Value);
		}

		const TCHAR* Import(const TCHAR* Text, void* Value, int32 PortFlags, FOutputDevice& Errors) const
		{
			return Struct ? Struct->ImportText(Text, Value, nullptr, PortFlags, &Errors, Struct->GetName()) : Property->ImportText_Direct(Text, Value, nullptr, PortFlags, &Errors);
		}

		FString Export(const void* Value, int32 PortFlags) const
		{
			FString Text;
			if (Struct)
			{
				Struct->ExportText(Text, Value, nullptr, nullptr, PortFlags, nullptr);
			}
			else
			{
				Property->ExportTextItem_Direct(Text, Value, nullptr, nullptr, PortFlags);
			}
			return Text;
		}

		FString Describe() const
		{
			return Struct ? Struct->GetPathName() : FString::Printf(TEXT("%s (%s)"), *Property->GetFullName(), *Property->GetCPPType());
		}

	private:
		UScriptStruct* Struct = nullptr;
		FProperty* Property = nullptr;
	};

	/** Targets in name order, and by name. */
	struct FTargets
	{
		std::vector<FTarget> List;
		TMap<FString, int32> ByName;

		void Add(const FString& Name, const FTarget& Target)
		{
			ByName.Add(Name, (int32)List.size());
			List.push_back(Target);
		}

		const FTarget& Find(const FString& Name) const
		{
			const int32* Index = ByName.Find(Name);
			return List[Index ? (size_t)*Index : (size_t)GetTypeHash(Name) % List.size()];
		}
	};

	FTargets* GStructs = nullptr;
	FTargets* GProperties = nullptr;

	/**
	 * The text with the sign of every "-0.0" dropped: FString::SanitizeFloat writes a negative number that rounds to zero
	 * as "-0.0" and negative zero itself as "0.0", as the engine does, so that one sign may go in a round trip.
	 */
	FString WithoutNegativeZeros(const FString& Text)
	{
		FString Out;
		const std::u16string& Chars = Text.GetStdString();
		for (size_t Index = 0; Index < Chars.size(); ++Index)
		{
			const bool bDigitAfter = Index + 4 < Chars.size() && Chars[Index + 4] >= u'0' && Chars[Index + 4] <= u'9';
			if (Chars.compare(Index, 4, u"-0.0") == 0 && !bDigitAfter)
			{
				continue;
			}
			Out.AppendChar(Chars[Index]);
		}
		return Out;
	}

	/** Imports Text into a fresh value; on success exports it (into OutText) as well. */
	bool RoundTrip(const FTarget& Target, const TCHAR* Text, int32 PortFlags, FString& OutText, const TCHAR*& OutAfter)
	{
		FValueMemory Memory(Target.Size());
		void* Value = Memory.Get();
		Target.Initialize(Value);
		FNullErrors Errors;
		OutAfter = Target.Import(Text, Value, PortFlags, Errors);
		if (OutAfter)
		{
			OutText = Target.Export(Value, PortFlags);
		}
		Target.Destroy(Value);
		return OutAfter != nullptr;
	}
}

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
	// Sorted by path, so that a corpus keeps its meaning from one build to the next.
	TArray<UScriptStruct*> Structs;
	for (TObjectIterator<UScriptStruct> It; It; ++It)
	{
		Structs.Add(*It);
	}
	Structs.Sort([](const UScriptStruct& A, const UScriptStruct& B) { return A.GetPathName() < B.GetPathName(); });

	TArray<TPair<FString, FProperty*>> Properties;
	auto AddProperties = [&Properties](UStruct* Owner) {
		for (TFieldIterator<FProperty> It(Owner, EFieldIteratorFlags::ExcludeSuper); It; ++It)
		{
			Properties.Add(TPair<FString, FProperty*>(Owner->GetPathName() + TEXT(":") + It->GetName(), *It));
		}
	};
	for (TObjectIterator<UClass> It; It; ++It)
	{
		AddProperties(*It);
	}
	for (UScriptStruct* Struct : Structs)
	{
		AddProperties(Struct);
	}
	Properties.Sort([](const TPair<FString, FProperty*>& A, const TPair<FString, FProperty*>& B) { return A.Key < B.Key; });

	GStructs = new FTargets();
	GProperties = new FTargets();
	for (UScriptStruct* Struct : Structs)
	{
		GStructs->Add(Struct->GetPathName(), FTarget(Struct));
	}
	for (const TPair<FString, FProperty*>& Entry : Properties)
	{
		GProperties->Add(Entry.Key, FTarget(Entry.Value));
	}
	// The names a seed may start with.
	if (std::getenv("QUOVEX_FUZZ_LIST_TARGETS"))
	{
		for (UScriptStruct* Struct : Structs)
		{
			std::printf("S%s\n", TCHAR_TO_UTF8(*Struct->GetPathName()));
		}
		for (const TPair<FString, FProperty*>& Entry : Properties)
		{
			std::printf("P%s %s\n", TCHAR_TO_UTF8(*Entry.Key), TCHAR_TO_UTF8(*Entry.Value->GetCPPType()));
		}
		std::exit(0);
	}
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	if (Size < 1 || GStructs->List.empty() || GProperties->List.empty())
	{
		return 0;
	}
	const uint8 Kind = Data[0];
	const bool bWholeStruct = Kind == 'S' || (Kind != 'P' && Kind != 'D' && (Kind & 1) != 0);
	const int32 PortFlags = (Kind == 'D' || (Kind != 'P' && Kind != 'S' && (Kind & 2) != 0)) ? PPF_Delimited : PPF_None;
	size_t NameEnd = 1;
	while (NameEnd < Size && Data[NameEnd] != '\n')
	{
		++NameEnd;
	}
	const FString Name = QuovexFuzz::FromUtf8(Data + 1, NameEnd - 1);
	const FTarget& Target = (bWholeStruct ? GStructs : GProperties)->Find(Name);
	const FString Text = NameEnd < Size ? QuovexFuzz::FromUtf8(Data + NameEnd + 1, Size - NameEnd - 1) : FString();

	FString Exported;
	const TCHAR* After = nullptr;
	if (!RoundTrip(Target, *Text, PortFlags, Exported, After))
	{
		return 0;
	}
	if (After < *Text || After > *Text + Text.Len())
	{
		QuovexFuzz::Fail("an import ended outside its text", FString::Printf(TEXT("%s\ntext: %s"), *Target.Describe(), *Text));
	}
	// Without delimiters a string takes the text as it stands, unquoting a wholly quoted one, as the console and
	// config hand values over: its export is the bare value, so only the delimited form promises a round trip.
	if (!bWholeStruct && PortFlags == PPF_None)
	{
		return 0;
	}
	FString Again;
	if (!RoundTrip(Target, *Exported, PortFlags, Again, After))
	{
		QuovexFuzz::Fail("an exported value does not import again", FString::Printf(TEXT("%s\ntext: %s\nexported: %s"), *Target.Describe(), *Text, *Exported));
	}
	// A soft path whose package name holds a quote (no package can) exports as text that reads as the Class'/Path'
	// wrapper, which drops the class when read again, as in the engine: such a value is not promised a round trip.
	const bool bReadsAsWrapper = Target.Describe().Contains(TEXT("Soft")) && Exported.Contains(TEXT("'/"));
	if (!bReadsAsWrapper && !WithoutNegativeZeros(Again).Equals(WithoutNegativeZeros(Exported), ESearchCase::CaseSensitive))
	{
		QuovexFuzz::Fail("an exported value imports as a different value", FString::Printf(TEXT("%s\ntext: %s\nexported: %s\nthen: %s"), *Target.Describe(), *Text, *Exported, *Again));
	}
	return 0;
}
