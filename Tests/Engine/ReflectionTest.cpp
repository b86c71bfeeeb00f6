// Contract tests of reflection: classes, casts, metadata from doc comments, ProcessEvent with
// parameter blocks, struct text form, interface dispatch on native and run-time classes, and
// dynamic delegates.

#include "CoreMinimal.h"
#include "ReflectionTestTypes.h"
#include "Templates/Casts.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/RuntimeClassBuilder.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UnrealType.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
	/** A parameter block for a function, built and torn down through its properties. */
	struct FTestParms
	{
		explicit FTestParms(UFunction* InFunction)
			: Function(InFunction)
		{
			Memory.SetNumZeroed(Function->ParmsSize + 16);
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->InitializeValue_InContainer(Get());
			}
		}
		~FTestParms()
		{
			for (TFieldIterator<FProperty> It(Function); It; ++It)
			{
				It->DestroyValue_InContainer(Get());
			}
		}
		uint8* Get()
		{
			return (uint8*)(((UPTRINT)Memory.GetData() + 15) & ~(UPTRINT)15);
		}
		void Set(const TCHAR* Name, const TCHAR* Text)
		{
			FProperty* Property = Function->FindPropertyByName(FName(Name));
			ASSERT_NE(Property, nullptr);
			ASSERT_NE(Property->ImportText_InContainer(Text, Get(), nullptr, PPF_None), nullptr);
		}
		FString Export(const TCHAR* Name)
		{
			FProperty* Property = Function->FindPropertyByName(FName(Name));
			FString Out;
			if (Property)
			{
				Property->ExportText_InContainer(0, Out, Get(), nullptr, nullptr, PPF_None);
			}
			return Out;
		}
		UFunction* Function;
		TArray<uint8> Memory;
	};

	FString ExportStruct(const FReflectionTestSettings& Settings)
	{
		FString Out;
		FReflectionTestSettings::StaticStruct()->ExportText(Out, &Settings, nullptr, nullptr, PPF_None, nullptr);
		return Out;
	}
}

TEST(ReflectionTest, NativeClassesRegisterUnderTheirScriptPath)
{
	UClass* Class = UReflectionTestObject::StaticClass();
	EXPECT_EQ(Class->GetPathName(), FString(TEXT("/Script/ReflectionTestTypes.ReflectionTestObject")));
	EXPECT_EQ(FindObject<UClass>(nullptr, TEXT("/Script/ReflectionTestTypes.ReflectionTestObject")), Class);
	EXPECT_EQ(FindFirstObject<UClass>(TEXT("ReflectionTestDerived")), UReflectionTestDerived::StaticClass());
	EXPECT_EQ(Class->GetClassPathName().ToString(), FString(TEXT("/Script/ReflectionTestTypes.ReflectionTestObject")));
	EXPECT_EQ(Class->GetSuperClass(), UObject::StaticClass());
	EXPECT_EQ(Class->GetClass(), UClass::StaticClass());
	EXPECT_TRUE(Class->HasAnyClassFlags(CLASS_Config | CLASS_Native));
	EXPECT_EQ(Class->ClassConfigName, FName(TEXT("ReflectionTest")));
	EXPECT_EQ(UReflectionTestDerived::StaticClass()->ClassConfigName, FName(TEXT("ReflectionTest")));
	EXPECT_TRUE(UReflectionTestAbstract::StaticClass()->HasAnyClassFlags(CLASS_Abstract));
	EXPECT_TRUE(UReflectionTestListener::StaticClass()->HasAllClassFlags(CLASS_Interface | CLASS_Abstract));
}

TEST(ReflectionTest, HierarchyAndInterfacesAnswerIsChildOfImplementsAndCast)
{
	UReflectionTestObject* Base = NewObject<UReflectionTestObject>();
	UReflectionTestDerived* Derived = NewObject<UReflectionTestDerived>();
	UObject* Plain = NewObject<UPackage>(nullptr, FName(TEXT("/Temp/ReflectionTestPlain")));

	EXPECT_TRUE(UReflectionTestDerived::StaticClass()->IsChildOf(UReflectionTestObject::StaticClass()));
	EXPECT_FALSE(UReflectionTestObject::StaticClass()->IsChildOf(UReflectionTestDerived::StaticClass()));
	EXPECT_TRUE(UReflectionTestDerived::StaticClass()->ImplementsInterface(UReflectionTestListener::StaticClass()));
	EXPECT_FALSE(UPackage::StaticClass()->ImplementsInterface(UReflectionTestListener::StaticClass()));

	EXPECT_EQ(Cast<UReflectionTestDerived>(Base), nullptr);
	EXPECT_EQ(Cast<UReflectionTestObject>(Derived), Derived);
	EXPECT_EQ(ExactCast<UReflectionTestObject>(Derived), nullptr);
	EXPECT_EQ(Cast<UReflectionTestObject>((UObject*)nullptr), nullptr);

	// The interface part sits at its own address inside the object.
	IReflectionTestListener* Listener = Cast<IReflectionTestListener>(Derived);
	ASSERT_NE(Listener, nullptr);
	EXPECT_EQ(Listener, static_cast<IReflectionTestListener*>(Derived));
	EXPECT_EQ(Cast<IReflectionTestListener>(Plain), nullptr);

	UE::ObjectHost::DestroyObjectNow(Base);
	UE::ObjectHost::DestroyObjectNow(Derived);
	UE::ObjectHost::DestroyObjectNow(Plain);
}

TEST(ReflectionTest, DocCommentsAndSpecifiersBecomeMetadata)
{
	UClass* Class = UReflectionTestObject::StaticClass();
	EXPECT_EQ(Class->GetMetaData(TEXT("ToolTip")), FString(TEXT("An object with configuration, functions of every kind and a delegate.\nSecond line of the class comment.")));
	EXPECT_EQ(Class->GetMetaData(TEXT("ClassGroupNames")), FString(TEXT("Quovex")));
	EXPECT_EQ(Class->GetMetaData(TEXT("BlueprintType")), FString(TEXT("true")));
	EXPECT_EQ(UReflectionTestListener::StaticClass()->GetMetaData(TEXT("IsBlueprintBase")), FString(TEXT("true")));

	UFunction* Add = Class->FindFunctionByName(TEXT("Add"));
	ASSERT_NE(Add, nullptr);
	EXPECT_EQ(Add->GetMetaData(TEXT("ToolTip")), FString(TEXT("Adds two numbers.\n@param A first\n@return the sum")));
	EXPECT_EQ(Add->GetMetaData(TEXT("Category")), FString(TEXT("Test|Math")));
	EXPECT_EQ(Add->GetMetaData(TEXT("Keywords")), FString(TEXT("plus sum")));
	EXPECT_EQ(Add->GetMetaData(TEXT("CompactNodeTitle")), FString(TEXT("+")));
	EXPECT_EQ(Add->GetMetaData(TEXT("CPP_Default_B")), FString(TEXT("2")));
	EXPECT_EQ(Class->FindFunctionByName(TEXT("Touch"))->GetMetaData(TEXT("CallInEditor")), FString(TEXT("true")));
	EXPECT_FALSE(Class->FindFunctionByName(TEXT("Touch"))->HasMetaData(TEXT("ToolTip")));

	FProperty* Settings = FindFProperty<FProperty>(Class, TEXT("Settings"));
	ASSERT_NE(Settings, nullptr);
	EXPECT_EQ(Settings->GetMetaData(TEXT("ToolTip")), FString(TEXT("Settings kept in configuration.")));
	EXPECT_EQ(FindFProperty<FProperty>(Class, TEXT("Counter"))->GetMetaData(TEXT("Category")), FString(TEXT("Test")));

	UEnum* Enum = StaticEnum<EReflectionTestMode>();
	ASSERT_NE(Enum, nullptr);
	EXPECT_EQ(Enum->GetDisplayNameTextByValue((int64)EReflectionTestMode::Second).ToString(), FString(TEXT("Second Mode")));
	EXPECT_EQ(Enum->GetDisplayNameTextByValue((int64)EReflectionTestMode::Third).ToString(), FString(TEXT("Third")));
	EXPECT_EQ(Enum->GetMetaData(TEXT("ToolTip"), 1), FString(TEXT("The second mode.")));
}

TEST(ReflectionTest, FunctionAndPropertyFlagsFollowTheSpecifiers)
{
	UClass* Class = UReflectionTestObject::StaticClass();
	UFunction* Add = Class->FindFunctionByName(TEXT("Add"));
	EXPECT_TRUE(Add->HasAllFunctionFlags(FUNC_Static | FUNC_Native | FUNC_BlueprintCallable | FUNC_BlueprintPure | FUNC_Public));
	UFunction* Hook = Class->FindFunctionByName(TEXT("Hook"));
	EXPECT_TRUE(Hook->HasAllFunctionFlags(FUNC_Event | FUNC_BlueprintEvent));
	EXPECT_FALSE(Hook->HasAnyFunctionFlags(FUNC_Native));
	EXPECT_TRUE(Class->FindFunctionByName(TEXT("NativeHook"))->HasAllFunctionFlags(FUNC_Event | FUNC_BlueprintEvent | FUNC_Native));
	EXPECT_TRUE(Class->FindFunctionByName(TEXT("SplitText"))->HasAnyFunctionFlags(FUNC_HasOutParms));
	EXPECT_TRUE(Class->FindFunctionByName(TEXT("EchoSettings"))->HasAnyFunctionFlags(FUNC_Const));

	UFunction* Split = Class->FindFunctionByName(TEXT("SplitText"));
	EXPECT_TRUE(Split->FindPropertyByName(TEXT("OutParts"))->HasAllPropertyFlags(CPF_Parm | CPF_OutParm));
	EXPECT_TRUE(Split->FindPropertyByName(TEXT("Text"))->HasAllPropertyFlags(CPF_Parm | CPF_ConstParm));
	EXPECT_FALSE(Split->FindPropertyByName(TEXT("Text"))->HasAnyPropertyFlags(CPF_OutParm));
	EXPECT_TRUE(Split->GetReturnProperty()->HasAllPropertyFlags(CPF_ReturnParm | CPF_OutParm));

	EXPECT_TRUE(FindFProperty<FProperty>(Class, TEXT("Counter"))->HasAllPropertyFlags(CPF_Config | CPF_Edit));
	EXPECT_TRUE(FindFProperty<FProperty>(Class, TEXT("OnEvent"))->HasAllPropertyFlags(CPF_BlueprintAssignable));
	EXPECT_NE(FindFProperty<FMulticastDelegateProperty>(Class, TEXT("OnEvent")), nullptr);
	FClassProperty* ClassRef = FindFProperty<FClassProperty>(Class, TEXT("ClassRef"));
	ASSERT_NE(ClassRef, nullptr);
	EXPECT_EQ(ClassRef->MetaClass, UObject::StaticClass());
	// A property of the parent is found through the child, and FindFProperty checks the type.
	EXPECT_NE(FindFProperty<FIntProperty>(UReflectionTestDerived::StaticClass(), TEXT("Counter")), nullptr);
	EXPECT_EQ(FindFProperty<FStrProperty>(Class, TEXT("Counter")), nullptr);
}

TEST(ReflectionTest, ProcessEventCallsNativeFunctionsWithTheirParameterBlock)
{
	UReflectionTestObject* Object = NewObject<UReflectionTestObject>();
	{
		FTestParms Parms(Object->FindFunctionChecked(TEXT("Add")));
		Parms.Set(TEXT("A"), TEXT("40"));
		Parms.Set(TEXT("B"), TEXT("-3"));
		Object->ProcessEvent(Parms.Function, Parms.Get());
		EXPECT_EQ(Parms.Export(TEXT("ReturnValue")), FString(TEXT("37")));
	}
	{
		FTestParms Parms(Object->FindFunctionChecked(TEXT("SplitText")));
		Parms.Set(TEXT("Text"), TEXT("left,middle,right"));
		Object->ProcessEvent(Parms.Function, Parms.Get());
		EXPECT_EQ(Parms.Export(TEXT("ReturnValue")), FString(TEXT("True")));
		EXPECT_EQ(Parms.Export(TEXT("OutFirst")), FString(TEXT("left")));
		EXPECT_EQ(Parms.Export(TEXT("OutParts")), FString(TEXT("(\"left\",\"middle\",\"right\")")));
	}
	{
		Object->Counter = 5;
		FTestParms Parms(Object->FindFunctionChecked(TEXT("EchoSettings")));
		Parms.Set(TEXT("InSettings"), TEXT("(Count=2,Label=\"x\")"));
		Object->ProcessEvent(Parms.Function, Parms.Get());
		EXPECT_TRUE(Parms.Export(TEXT("ReturnValue")).StartsWith(TEXT("(Count=7,")));
	}
	// Events without an override do nothing; native events reach their _Implementation.
	EXPECT_EQ(Object->Hook(4), 0);
	int32 Value = 3;
	Object->NativeHook(Value);
	EXPECT_EQ(Value, 30);
	UE::ObjectHost::DestroyObjectNow(Object);
}

TEST(ReflectionTest, StructTextFormRoundTrips)
{
	FReflectionTestSettings Settings;
	Settings.Count = 3;
	Settings.Scale = 1.5f;
	Settings.Label = TEXT("say \"hi\"");
	Settings.Tag = TEXT("Stage");
	Settings.bEnabled = true;
	Settings.Items = { TEXT("a"), TEXT("b c") };
	Settings.Mode = EReflectionTestMode::Second;
	const FString Text = ExportStruct(Settings);
	EXPECT_EQ(Text, FString(TEXT("(Count=3,Scale=1.5,Label=\"say \\\"hi\\\"\",Tag=\"Stage\",bEnabled=True,Items=(\"a\",\"b c\"),Mode=Second,Target=None)")));

	FReflectionTestSettings Read;
	const TCHAR* End = FReflectionTestSettings::StaticStruct()->ImportText(*Text, &Read, nullptr, PPF_None, nullptr, TEXT("Settings"));
	ASSERT_NE(End, nullptr);
	EXPECT_EQ(*End, 0);
	EXPECT_EQ(ExportStruct(Read), Text);

	// Fields left out keep their values; unknown fields and bad values fail the import.
	FReflectionTestSettings Partial;
	Partial.Count = 9;
	EXPECT_NE(FReflectionTestSettings::StaticStruct()->ImportText(TEXT("( Label = Plain , bEnabled=false )"), &Partial, nullptr, PPF_None, nullptr, TEXT("Settings")), nullptr);
	EXPECT_EQ(Partial.Count, 9);
	EXPECT_EQ(Partial.Label, FString(TEXT("Plain")));
	EXPECT_EQ(FReflectionTestSettings::StaticStruct()->ImportText(TEXT("(Count=abc)"), &Partial, nullptr, PPF_None, nullptr, TEXT("Settings")), nullptr);
	EXPECT_EQ(FReflectionTestSettings::StaticStruct()->ImportText(TEXT("(Nope=1)"), &Partial, nullptr, PPF_None, nullptr, TEXT("Settings")), nullptr);
	const FString LongField = TEXT("(") + FString::ChrN(NAME_SIZE, TEXT('N')) + TEXT("=1)");
	EXPECT_EQ(FReflectionTestSettings::StaticStruct()->ImportText(*LongField, &Partial, nullptr, PPF_None, nullptr, TEXT("Settings")), nullptr);
	EXPECT_EQ(FReflectionTestSettings::StaticStruct()->ImportText(TEXT("(Mode=Fourth)"), &Partial, nullptr, PPF_None, nullptr, TEXT("Settings")), nullptr);
	EXPECT_EQ(FReflectionTestSettings::StaticStruct()->ImportText(TEXT("Count=1"), &Partial, nullptr, PPF_None, nullptr, TEXT("Settings")), nullptr);
}

TEST(ReflectionTest, ObjectReferencesExportAsPathsAndImportByFinding)
{
	UPackage* Package = CreatePackage(TEXT("/Game/ReflectionTest/Refs"));
	UReflectionTestObject* Referenced = NewObject<UReflectionTestObject>(Package, TEXT("Refs"));
	FReflectionTestSettings Settings;
	Settings.Target = Referenced;
	FProperty* Target = FindFProperty<FProperty>(FReflectionTestSettings::StaticStruct(), TEXT("Target"));
	FString Text;
	Target->ExportText_InContainer(0, Text, &Settings, nullptr, nullptr, PPF_None);
	EXPECT_EQ(Text, FString(TEXT("/Game/ReflectionTest/Refs.Refs")));

	FReflectionTestSettings Read;
	EXPECT_NE(Target->ImportText_InContainer(*Text, &Read, nullptr, PPF_None), nullptr);
	EXPECT_EQ(Read.Target, Referenced);
	EXPECT_EQ(Target->ImportText_InContainer(TEXT("/Game/ReflectionTest/Missing.Missing"), &Read, nullptr, PPF_None), nullptr);

	// A class reference only takes classes.
	UReflectionTestObject* Holder = NewObject<UReflectionTestObject>();
	FProperty* ClassRef = FindFProperty<FProperty>(UReflectionTestObject::StaticClass(), TEXT("ClassRef"));
	EXPECT_NE(ClassRef->ImportText_InContainer(TEXT("/Script/ReflectionTestTypes.ReflectionTestDerived"), Holder, nullptr, PPF_None), nullptr);
	EXPECT_EQ(Holder->ClassRef.Get(), UReflectionTestDerived::StaticClass());
	EXPECT_EQ(ClassRef->ImportText_InContainer(TEXT("/Game/ReflectionTest/Refs.Refs"), Holder, nullptr, PPF_None), nullptr);

	UE::ObjectHost::DestroyObjectNow(Holder);
	UE::ObjectHost::DestroyObjectNow(Package);
}

TEST(ReflectionTest, BitfieldPropertiesTouchOnlyTheirBit)
{
	UReflectionTestObject* Object = NewObject<UReflectionTestObject>();
	FBoolProperty* FlagA = FindFProperty<FBoolProperty>(UReflectionTestObject::StaticClass(), TEXT("bFlagA"));
	FBoolProperty* FlagB = FindFProperty<FBoolProperty>(UReflectionTestObject::StaticClass(), TEXT("bFlagB"));
	ASSERT_NE(FlagA, nullptr);
	ASSERT_NE(FlagB, nullptr);
	EXPECT_FALSE(FlagA->IsNativeBool());
	FlagB->SetPropertyValue_InContainer(Object, true);
	EXPECT_TRUE(Object->bFlagB);
	EXPECT_FALSE(Object->bFlagA);
	EXPECT_NE(FlagA->ImportText_InContainer(TEXT("True"), Object, nullptr, PPF_None), nullptr);
	EXPECT_TRUE(Object->bFlagA);
	Object->bFlagB = 0;
	EXPECT_TRUE(FlagA->GetPropertyValue_InContainer(Object));
	EXPECT_FALSE(FlagB->GetPropertyValue_InContainer(Object));
	EXPECT_EQ(FlagA->ImportText_InContainer(TEXT("maybe"), Object, nullptr, PPF_None), nullptr);
	UE::ObjectHost::DestroyObjectNow(Object);
}

TEST(ReflectionTest, InterfaceEventsReachNativeAndRunTimeImplementations)
{
	// A Blueprint-like subscriber: a run-time class implementing the interface event in "script".
	TArray<FString> Calls;
	// clang-format off
	UClass* Subscriber = UE::ObjectHost::FRuntimeClassBuilder(TEXT("BP_ReflectionSubscriber_C"), UObject::StaticClass())
		.AddInterface(UReflectionTestListener::StaticClass())
		.AddFunctionOverride(FName(TEXT("OnPing")), [&Calls](UObject* Self, void* Parms)
		{
			UFunction* Signature = Self->FindFunctionChecked(TEXT("OnPing"));
			FString Source;
			FString Count;
			Signature->FindPropertyByName(TEXT("Source"))->ExportText_InContainer(0, Source, Parms, nullptr, nullptr, PPF_None);
			Signature->FindPropertyByName(TEXT("Count"))->ExportText_InContainer(0, Count, Parms, nullptr, nullptr, PPF_None);
			Calls.Add(Self->GetName() + TEXT(":") + Source + TEXT(":") + Count);
		})
		.Build();
	// clang-format on
	EXPECT_TRUE(Subscriber->ImplementsInterface(UReflectionTestListener::StaticClass()));
	EXPECT_FALSE(Subscriber->HasAnyClassFlags(CLASS_Native));

	UObject* Script = NewObject<UObject>(GetTransientPackage(), Subscriber, TEXT("ScriptListener"));
	EXPECT_EQ(Script->GetClass(), Subscriber);
	IReflectionTestListener::Execute_OnPing(Script, TEXT("Tab"), 2);
	ASSERT_EQ(Calls.Num(), 1);
	EXPECT_EQ(Calls[0], FString(TEXT("ScriptListener:Tab:2")));
	// No native part: a native event without an override returns its default.
	EXPECT_EQ(Cast<IReflectionTestListener>(Script), nullptr);
	EXPECT_EQ(IReflectionTestListener::Execute_Describe(Script, TEXT("x")), FString());

	// The native class: the implementable event has no body, the native event reaches C++.
	UReflectionTestObject* Native = NewObject<UReflectionTestObject>(GetTransientPackage(), TEXT("NativeListener"));
	IReflectionTestListener::Execute_OnPing(Native, TEXT("Tab"), 3);
	EXPECT_EQ(Calls.Num(), 1);
	EXPECT_EQ(IReflectionTestListener::Execute_Describe(Native, TEXT("I am ")), FString(TEXT("I am NativeListener")));

	// A run-time child of the native class overrides a class event and keeps the native interface part.
	// clang-format off
	UClass* Child = UE::ObjectHost::FRuntimeClassBuilder(TEXT("BP_ReflectionChild_C"), UReflectionTestObject::StaticClass())
		.AddFunctionOverride(FName(TEXT("Hook")), [](UObject* Self, void* Parms)
		{
			UFunction* Signature = Self->FindFunctionChecked(TEXT("Hook"));
			const int32 Input = *Signature->FindPropertyByName(TEXT("Input"))->ContainerPtrToValuePtr<int32>(Parms);
			*Signature->GetReturnProperty()->ContainerPtrToValuePtr<int32>(Parms) = Input + 100;
		})
		.Build();
	// clang-format on
	UReflectionTestObject* ChildObject = NewObject<UReflectionTestObject>(GetTransientPackage(), Child, TEXT("ChildListener"));
	EXPECT_TRUE(ChildObject->IsA<UReflectionTestObject>());
	EXPECT_EQ(ChildObject->Hook(1), 101);
	EXPECT_EQ(IReflectionTestListener::Execute_Describe(ChildObject, TEXT("")), FString(TEXT("ChildListener")));
	EXPECT_TRUE(Child->ImplementsInterface(UReflectionTestListener::StaticClass()));

	UE::ObjectHost::DestroyObjectNow(Subscriber);
	UE::ObjectHost::DestroyObjectNow(Child);
	UE::ObjectHost::DestroyObjectNow(Native);
	EXPECT_EQ(FindObject<UClass>(GetTransientPackage(), TEXT("BP_ReflectionSubscriber_C")), nullptr);
	EXPECT_EQ(FindObject<UObject>(GetTransientPackage(), TEXT("ChildListener")), nullptr);
}

TEST(ReflectionTest, DynamicMulticastDelegatesBroadcastToLiveBindingsInOrder)
{
	UReflectionTestObject* Source = NewObject<UReflectionTestObject>();
	UReflectionTestObject* First = NewObject<UReflectionTestObject>();
	UReflectionTestObject* Second = NewObject<UReflectionTestObject>();
	TArray<int32> Order;

	Source->OnEvent.AddDynamic(First, &UReflectionTestObject::HandleEvent);
	Source->OnEvent.AddDynamic(Second, &UReflectionTestObject::HandleEvent);
	Source->OnEvent.AddDynamic(First, &UReflectionTestObject::HandleEvent);
	EXPECT_TRUE(Source->OnEvent.IsBound());
	EXPECT_EQ(Source->OnEvent.GetAllObjects().Num(), 2);
	Source->OnEvent.Broadcast(5);
	EXPECT_EQ(First->Received, TArray<int32>({ 5 }));
	EXPECT_EQ(Second->Received, TArray<int32>({ 5 }));

	Source->OnEvent.RemoveDynamic(First, &UReflectionTestObject::HandleEvent);
	Source->OnEvent.Broadcast(6);
	EXPECT_EQ(First->Received, TArray<int32>({ 5 }));
	EXPECT_EQ(Second->Received, TArray<int32>({ 5, 6 }));

	// A bound object that dies is skipped, not called.
	Second->MarkAsGarbage();
	Source->OnEvent.Broadcast(7);
	EXPECT_EQ(Second->Received, TArray<int32>({ 5, 6 }));
	EXPECT_FALSE(Source->OnEvent.IsBound());

	Source->OnEvent.AddDynamic(First, &UReflectionTestObject::HandleEvent);
	Source->OnEvent.Clear();
	Source->OnEvent.Broadcast(8);
	EXPECT_EQ(First->Received, TArray<int32>({ 5 }));

	// The same binding through the reflected property, as Blueprint assigns it.
	FMulticastDelegateProperty* Property = FindFProperty<FMulticastDelegateProperty>(UReflectionTestObject::StaticClass(), TEXT("OnEvent"));
	ASSERT_NE(Property, nullptr);
	ASSERT_NE(Property->SignatureFunction, nullptr);
	EXPECT_EQ(Property->SignatureFunction->GetName(), FString(TEXT("OnReflectionTestEvent__DelegateSignature")));
	FScriptDelegate Binding;
	Binding.BindUFunction(First, TEXT("HandleEvent"));
	Property->AddDelegate(Binding, Source);
	Source->OnEvent.Broadcast(9);
	EXPECT_EQ(First->Received, TArray<int32>({ 5, 9 }));

	for (UObject* Object : { (UObject*)Source, (UObject*)First, (UObject*)Second })
	{
		UE::ObjectHost::DestroyObjectNow(Object);
	}
}

TEST(ReflectionTest, ADelegateListInTextFormImportsOnlyWhenItIsClosed)
{
	UPackage* Package = CreatePackage(TEXT("/Game/ReflectionTest/DelegateText"));
	UReflectionTestObject* Listener = NewObject<UReflectionTestObject>(Package, TEXT("Listener"));
	UReflectionTestObject* Source = NewObject<UReflectionTestObject>(Package, TEXT("Source"));
	FProperty* Property = FindFProperty<FProperty>(UReflectionTestObject::StaticClass(), TEXT("OnEvent"));
	ASSERT_NE(Property, nullptr);

	const TCHAR* const Bound = TEXT("(/Game/ReflectionTest/DelegateText.Listener.HandleEvent)");
	const TCHAR* After = Property->ImportText_InContainer(Bound, Source, nullptr, PPF_None);
	ASSERT_NE(After, nullptr);
	EXPECT_EQ(*After, TEXT('\0'));
	Source->OnEvent.Broadcast(3);
	EXPECT_EQ(Listener->Received, TArray<int32>({ 3 }));

	// A list the text leaves open is refused (it looped for ever), whatever it holds so far.
	for (const TCHAR* Open : { TEXT("("), TEXT("(  "), TEXT("(/Game/ReflectionTest/DelegateText.Listener.HandleEvent"), TEXT("(/Game/ReflectionTest/DelegateText.Listener.HandleEvent,") })
	{
		EXPECT_EQ(Property->ImportText_InContainer(Open, Source, nullptr, PPF_None), nullptr) << TCHAR_TO_UTF8(Open);
	}
	EXPECT_NE(Property->ImportText_InContainer(TEXT("()"), Source, nullptr, PPF_None), nullptr);
	EXPECT_FALSE(Source->OnEvent.IsBound());

	UE::ObjectHost::DestroyObjectNow(Package);
}

TEST(ReflectionTest, ASoftPathWithQuotesOrBackslashesReadsBackFromItsDelimitedText)
{
	// Inside a struct the path is written quoted; a quote in it ended the value when it was read back, and a path ending
	// in a single quote was taken for the Class'/Path' form.
	for (const TCHAR* Written : { TEXT("/Game/Takes/Ta\"ke.Ta\"ke"), TEXT("/Game/Back\\slash.Back\\slash"), TEXT("/Game/Plain/Take.Take:Inner"), TEXT("/Game/Quoted/''.''") })
	{
		const FSoftObjectPath Path(Written);
		ASSERT_EQ(Path.ToString(), FString(Written));
		FString Text;
		ASSERT_TRUE(Path.ExportTextItem(Text, FSoftObjectPath(), nullptr, PPF_Delimited, nullptr));
		FSoftObjectPath Read;
		const TCHAR* Buffer = *Text;
		ASSERT_TRUE(Read.ImportTextItem(Buffer, PPF_Delimited, nullptr, nullptr)) << TCHAR_TO_UTF8(*Text);
		EXPECT_EQ(Read.ToString(), Path.ToString()) << TCHAR_TO_UTF8(*Text);
		EXPECT_EQ(*Buffer, TEXT('\0'));
	}
}

TEST(ReflectionTest, AFloatThatOverflowedOrIsNoNumberReadsBackFromItsText)
{
	FProperty* Scale = FindFProperty<FProperty>(FReflectionTestSettings::StaticStruct(), TEXT("Scale"));
	ASSERT_NE(Scale, nullptr);
	FReflectionTestSettings Settings;
	ASSERT_NE(Scale->ImportText_InContainer(TEXT("1e39"), &Settings, nullptr, PPF_None), nullptr);
	ASSERT_TRUE(std::isinf(Settings.Scale));

	// Written as "inf", which the import refused: a saved value that overflowed could not be loaded again.
	FString Text;
	Scale->ExportText_InContainer(0, Text, &Settings, nullptr, nullptr, PPF_None);
	FReflectionTestSettings Read;
	ASSERT_NE(Scale->ImportText_InContainer(*Text, &Read, nullptr, PPF_None), nullptr) << TCHAR_TO_UTF8(*Text);
	EXPECT_EQ(Read.Scale, Settings.Scale);

	ASSERT_NE(Scale->ImportText_InContainer(TEXT("-Infinity"), &Read, nullptr, PPF_None), nullptr);
	EXPECT_TRUE(std::isinf(Read.Scale) && Read.Scale < 0.0f);
	ASSERT_NE(Scale->ImportText_InContainer(TEXT("-nan"), &Read, nullptr, PPF_None), nullptr);
	EXPECT_TRUE(std::isnan(Read.Scale));
	EXPECT_EQ(Scale->ImportText_InContainer(TEXT("in"), &Read, nullptr, PPF_None), nullptr);
}

TEST(ReflectionTest, IntegersAtTheEdgesOfTheirRangeImportWithoutOverflowing)
{
	// The negation of the smallest 64-bit number overflowed while the text was read.
	FProperty* Count = FindFProperty<FProperty>(FReflectionTestSettings::StaticStruct(), TEXT("Count"));
	ASSERT_NE(Count, nullptr);
	FReflectionTestSettings Settings;
	EXPECT_NE(Count->ImportText_InContainer(TEXT("-9223372036854775808"), &Settings, nullptr, PPF_None), nullptr);
	ASSERT_NE(Count->ImportText_InContainer(TEXT("-2147483648"), &Settings, nullptr, PPF_None), nullptr);
	EXPECT_EQ(Settings.Count, INT32_MIN);

	// A native event given any int32 through the console's call: its arithmetic wraps instead of overflowing.
	UReflectionTestObject* Object = NewObject<UReflectionTestObject>();
	UFunction* Hook = Object->FindFunction(TEXT("NativeHook"));
	ASSERT_NE(Hook, nullptr);
	FTestParms Parms(Hook);
	Parms.Set(TEXT("InOut"), TEXT("1000000000"));
	Object->ProcessEvent(Hook, Parms.Get());
	EXPECT_EQ(Parms.Export(TEXT("InOut")), FString::Printf(TEXT("%d"), (int32)(1000000000u * 10u)));
	UE::ObjectHost::DestroyObjectNow(Object);
}
