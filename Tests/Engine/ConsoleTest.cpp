// Console variables and commands as the console and code use them.

#include "HostTestSupport.h"

#include "HAL/IConsoleManager.h"
#include "HostLogCapture.h"
#include "Misc/OutputDevice.h"

#include <gtest/gtest.h>

using namespace HostTest;

namespace
{
	class FLinesDevice : public FOutputDevice
	{
	public:
		void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			Lines.push_back(Utf8(FString(V)));
		}

		std::vector<std::string> Lines;
	};

	/** Unregisters the named object when the test ends, whatever happened. */
	struct FScopedConsoleName
	{
		explicit FScopedConsoleName(const TCHAR* InName)
			: Name(InName)
		{
		}

		~FScopedConsoleName()
		{
			IConsoleManager::Get().UnregisterConsoleObject(*Name);
		}

		FString Name;
	};
}

TEST(ConsoleTest, NameAlonePrintsAndNameValueSets)
{
	FScopedConsoleName Scope(TEXT("Test.Console.Rate"));
	IConsoleVariable* Variable = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Console.Rate"), TEXT("30fps"), TEXT("A rate"));
	ASSERT_NE(Variable, nullptr);
	FLinesDevice Out;

	EXPECT_TRUE(IConsoleManager::Get().ProcessUserConsoleInput(TEXT("test.console.rate"), Out, nullptr));
	ASSERT_EQ(Out.Lines.size(), 1u);
	EXPECT_EQ(Out.Lines[0], "Test.Console.Rate = \"30fps\"");

	// A quoted value is stored without its quotes, as GEngine->Exec receives it from the plugin.
	EXPECT_TRUE(IConsoleManager::Get().ProcessUserConsoleInput(TEXT("Test.Console.Rate \"23.98fps\""), Out, nullptr));
	EXPECT_EQ(Utf8(Variable->GetString()), "23.98fps");
	EXPECT_TRUE(IConsoleManager::Get().ProcessUserConsoleInput(TEXT("  Test.Console.Rate   25fps  "), Out, nullptr));
	EXPECT_EQ(Utf8(Variable->GetString()), "25fps");
	EXPECT_EQ(Out.Lines.back(), "Test.Console.Rate = \"25fps\"");

	EXPECT_FALSE(IConsoleManager::Get().ProcessUserConsoleInput(TEXT("Test.Console.Unknown 1"), Out, nullptr));
	EXPECT_EQ(IConsoleManager::Get().FindConsoleVariable(TEXT("Test.Console.Unknown")), nullptr);
	EXPECT_EQ(IConsoleManager::Get().FindConsoleVariable(TEXT("TEST.CONSOLE.RATE")), Variable);
}

TEST(ConsoleTest, TypedVariablesConvertAsTheEngineDoes)
{
	FScopedConsoleName IntScope(TEXT("Test.Console.Int"));
	FScopedConsoleName BoolScope(TEXT("Test.Console.Bool"));
	FScopedConsoleName FloatScope(TEXT("Test.Console.Float"));
	IConsoleVariable* Int = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Console.Int"), 3, TEXT(""));
	IConsoleVariable* Bool = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Console.Bool"), false, TEXT(""));
	IConsoleVariable* Float = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Console.Float"), 1.5f, TEXT(""));

	Int->Set(TEXT("17"), ECVF_SetByCode);
	EXPECT_EQ(Int->GetInt(), 17);
	EXPECT_EQ(Utf8(Int->GetString()), "17");
	Bool->Set(TEXT("True"), ECVF_SetByCode);
	EXPECT_TRUE(Bool->GetBool());
	Bool->Set(TEXT("off"), ECVF_SetByCode);
	EXPECT_FALSE(Bool->GetBool());
	Bool->Set(TEXT("2"), ECVF_SetByCode);
	EXPECT_TRUE(Bool->GetBool());
	Float->Set(0.25f);
	EXPECT_FLOAT_EQ(Float->GetFloat(), 0.25f);
	EXPECT_EQ(Float->GetInt(), 0);
	EXPECT_TRUE(Int->IsVariableInt() && Bool->IsVariableBool() && Float->IsVariableFloat());
}

TEST(ConsoleTest, LowerPrioritySettersCannotOverrideHigherOnes)
{
	FScopedConsoleName Scope(TEXT("Test.Console.Priority"));
	IConsoleVariable* Variable = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Console.Priority"), 1, TEXT(""));
	FHostLogCapture Log;

	Variable->Set(TEXT("2"), ECVF_SetByConsole);
	Variable->Set(TEXT("3"), ECVF_SetByCode);
	EXPECT_EQ(Variable->GetInt(), 2);
	EXPECT_TRUE(Log.Contains(TEXT("was ignored as it is lower priority")));
	Variable->Set(TEXT("4"), ECVF_SetByConsole);
	EXPECT_EQ(Variable->GetInt(), 4);
}

TEST(ConsoleTest, ReadOnlyVariablesRefuseTheConsoleOnly)
{
	FScopedConsoleName Scope(TEXT("Test.Console.ReadOnly"));
	IConsoleVariable* Variable = IConsoleManager::Get().RegisterConsoleVariable(TEXT("Test.Console.ReadOnly"), 5, TEXT(""), ECVF_ReadOnly);
	FLinesDevice Out;
	EXPECT_TRUE(IConsoleManager::Get().ProcessUserConsoleInput(TEXT("Test.Console.ReadOnly 6"), Out, nullptr));
	EXPECT_EQ(Variable->GetInt(), 5);
	ASSERT_FALSE(Out.Lines.empty());
	EXPECT_NE(Out.Lines.back().find("read only"), std::string::npos);
	Variable->Set(TEXT("7"));
	EXPECT_EQ(Variable->GetInt(), 7);
}

TEST(ConsoleTest, ChangeNotificationsAndReferencedStorage)
{
	int32 Stored = 10;
	int32 Notified = 0;
	{
		FAutoConsoleVariableRef Ref(TEXT("Test.Console.Ref"), Stored, TEXT("help"));
		IConsoleVariable* Variable = IConsoleManager::Get().FindConsoleVariable(TEXT("Test.Console.Ref"));
		ASSERT_NE(Variable, nullptr);
		Variable->OnChangedDelegate().AddLambda([&Notified](IConsoleVariable* Changed) { Notified = Changed->GetInt(); });
		EXPECT_EQ(Variable->GetInt(), 10);

		FLinesDevice Out;
		IConsoleManager::Get().ProcessUserConsoleInput(TEXT("Test.Console.Ref 11"), Out, nullptr);
		EXPECT_EQ(Stored, 11);
		EXPECT_EQ(Notified, 11);
		Stored = 12;
		EXPECT_EQ(Variable->GetInt(), 12);
	}
	// The auto object unregisters its variable when it goes away.
	EXPECT_EQ(IConsoleManager::Get().FindConsoleVariable(TEXT("Test.Console.Ref")), nullptr);

	TAutoConsoleVariable<int32> Typed(TEXT("Test.Console.Typed"), 8, TEXT(""));
	Typed->Set(9);
	EXPECT_EQ(Typed.GetValueOnGameThread(), 9);
}

TEST(ConsoleTest, CommandsReceiveWhitespaceSeparatedArguments)
{
	TArray<FString> Received;
	bool bRan = false;
	{
		FAutoConsoleCommand Command(TEXT("Test.Console.Cmd"), TEXT("First line of help\nmore"),
			FConsoleCommandWithArgsDelegate::CreateLambda([&](const TArray<FString>& Args) { Received = Args; bRan = true; }));
		FLinesDevice Out;
		EXPECT_TRUE(IConsoleManager::Get().ProcessUserConsoleInput(TEXT("test.console.cmd  alpha   beta"), Out, nullptr));
		EXPECT_TRUE(bRan);
		ASSERT_EQ(Received.Num(), 2);
		EXPECT_EQ(Utf8(Received[1]), "beta");

		// Registering the same name again keeps the first object.
		EXPECT_EQ(IConsoleManager::Get().RegisterConsoleCommand(TEXT("Test.Console.Cmd"), TEXT(""), FConsoleCommandDelegate()), nullptr);

		int32 Visited = 0;
		IConsoleManager::Get().ForEachConsoleObjectThatStartsWith(FConsoleObjectVisitor::CreateLambda([&](const TCHAR* Name, IConsoleObject* Object) {
			Visited += Object->AsCommand() ? 1 : 0;
		}),
			TEXT("Test.Console."));
		EXPECT_EQ(Visited, 1);
	}
	EXPECT_FALSE(IConsoleManager::Get().IsNameRegistered(TEXT("Test.Console.Cmd")));
}
