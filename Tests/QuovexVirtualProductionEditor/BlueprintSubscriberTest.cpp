// Blueprint subscribers: a Blueprint asset implementing the tab manager interface hears panel tabs close.

#include "QuovexEditorTestFixture.h"

#include "Engine/Blueprint.h"
#include "QuovexTabManager.h"
#include "UObject/Class.h"

using namespace QuovexTest;

namespace
{
	const char* const Interface = R"(((Interface=\"/Script/QuovexVirtualProductionEditor.QuovexTabManagerInterface\")))";

	/** A Blueprint subscriber asset whose OnTabClosed graph is the given calls in text form. */
	std::string SubscriberJson(const std::string& Graph, const char* ImplementedInterfaces = Interface)
	{
		return std::string(R"({ "Class": "/Script/Engine.Blueprint", "Properties": { "ParentClass": "\"/Script/CoreUObject.Object\"", "ImplementedInterfaces": ")")
			+ ImplementedInterfaces + R"(", "EventGraphCalls": ")" + Graph + R"(" } })";
	}

	const char* const PrintCall = R"(Function=\"/Script/QuovexVirtualProductionEditor.QuovexEditorFunctionLibrary:PrintWarningToOutputLog\")";

	class BlueprintSubscriberTest : public FQuovexEditorTest
	{
	protected:
		static UObject* DefaultObjectOf(const TCHAR* BlueprintPath)
		{
			UBlueprint* Blueprint = LoadObject<UBlueprint>(nullptr, BlueprintPath);
			return Blueprint && Blueprint->GeneratedClass ? Blueprint->GeneratedClass->GetDefaultObject() : nullptr;
		}

		static bool OpenAndClose(const TCHAR* TabId)
		{
			return FQuovexTabManager::Get().OpenTab(TabId) && FQuovexTabManager::Get().CloseTab(TabId);
		}
	};
}

TEST_F(BlueprintSubscriberTest, TheDemoTabLoggerLogsTheClosedTabFromTheConsole)
{
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexTabManager.TabManagerSubscribeEvents Delegate=/Game/Blueprints/TabLogger.Default__TabLogger_C"), Log));
	EXPECT_TRUE(Log.Contains(TEXT("ReturnValue=True")));

	ASSERT_TRUE(OpenAndClose(TEXT("QuovexTakeLog")));
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: TabLogger heard QuovexTakeLog close")));

	// Subscribing the same object again is refused; unsubscribed, it hears nothing more.
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexTabManager.TabManagerSubscribeEvents Delegate=/Game/Blueprints/TabLogger.Default__TabLogger_C"), Log));
	EXPECT_TRUE(Log.Contains(TEXT("ReturnValue=False")));
	ASSERT_TRUE(FEditorHost::Exec(TEXT("call QuovexTabManager.TabManagerUnsubscribeEvents Delegate=/Game/Blueprints/TabLogger.Default__TabLogger_C"), Log));
	Log.Clear();
	ASSERT_TRUE(OpenAndClose(TEXT("QuovexStatus")));
	EXPECT_FALSE(Log.Contains(TEXT("heard")));
}

TEST_F(BlueprintSubscriberTest, EveryCallOfTheGraphRunsInOrderWithTheEventsParameters)
{
	WriteContent("Blueprints/TwoCalls", SubscriberJson(std::string("((Event=\\\"OnTabClosed\\\",") + PrintCall + R"(,Arguments=(\"Message=\\\"first {TabName}\\\"\")),(Event=\"OnTabClosed\",)" + PrintCall + R"(,Arguments=(\"Message=\\\"second {TabName} {NotAParameter}\\\"\"))))"));
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;
	UObject* Subscriber = DefaultObjectOf(TEXT("/Game/Blueprints/TwoCalls.TwoCalls"));
	ASSERT_NE(Subscriber, nullptr);
	ASSERT_TRUE(FQuovexTabManager::Get().SubscribeEvents(Subscriber));

	ASSERT_TRUE(OpenAndClose(TEXT("QuovexKeyer")));
	const int32 First = Log.Find(TEXT("Warning: first QuovexKeyer"));
	const int32 Second = Log.Find(TEXT("Warning: second QuovexKeyer {NotAParameter}"));
	ASSERT_NE(First, INDEX_NONE);
	ASSERT_NE(Second, INDEX_NONE);
	EXPECT_LT(First, Second);
	FQuovexTabManager::Get().UnsubscribeEvents(Subscriber);
}

TEST_F(BlueprintSubscriberTest, GraphsThatCannotResolveAreReportedAndLeftOut)
{
	// An unknown function, an event the class does not have, and a Blueprint without the interface.
	WriteContent("Blueprints/NoFunction", SubscriberJson(R"(((Event=\"OnTabClosed\",Function=\"/Script/QuovexVirtualProductionEditor.QuovexEditorFunctionLibrary:NoSuchFunction\")))"));
	WriteContent("Blueprints/NoEvent", SubscriberJson(std::string("((Event=\\\"OnSomethingElse\\\",") + PrintCall + R"(,Arguments=(\"Message=\\\"never\\\"\"))))"));
	WriteContent("Blueprints/NoInterface", SubscriberJson(std::string("((Event=\\\"OnTabClosed\\\",") + PrintCall + R"(,Arguments=(\"Message=\\\"never\\\"\"))))", "()"));
	// Names too long to be names, spaced so that no run of the text is: the strings load, the names are never made.
	std::string Spaced;
	for (int32 Index = 0; Index < 400; ++Index)
	{
		Spaced += "AB ";
	}
	WriteContent("Blueprints/LongFunction", SubscriberJson(R"(((Event=\"OnTabClosed\",Function=\"/Script/QuovexVirtualProductionEditor.QuovexEditorFunctionLibrary:)" + Spaced + R"(\")))"));
	WriteContent("Blueprints/LongParameter", SubscriberJson(std::string("((Event=\\\"OnTabClosed\\\",") + PrintCall + R"(,Arguments=(\")" + Spaced + R"(=\\\"never\\\"\"))))"));
	ASSERT_TRUE(Boot());
	FHostLogCapture Log;

	UObject* NoFunction = DefaultObjectOf(TEXT("/Game/Blueprints/NoFunction.NoFunction"));
	UObject* NoEvent = DefaultObjectOf(TEXT("/Game/Blueprints/NoEvent.NoEvent"));
	UObject* NoInterface = DefaultObjectOf(TEXT("/Game/Blueprints/NoInterface.NoInterface"));
	ASSERT_NE(NoFunction, nullptr);
	ASSERT_NE(NoEvent, nullptr);
	ASSERT_NE(NoInterface, nullptr);
	EXPECT_TRUE(Log.Contains(TEXT("no static function /Script/QuovexVirtualProductionEditor.QuovexEditorFunctionLibrary:NoSuchFunction")));
	EXPECT_TRUE(Log.Contains(TEXT("no event OnSomethingElse")));
	ASSERT_NE(DefaultObjectOf(TEXT("/Game/Blueprints/LongFunction.LongFunction")), nullptr);
	ASSERT_NE(DefaultObjectOf(TEXT("/Game/Blueprints/LongParameter.LongParameter")), nullptr);
	EXPECT_TRUE(Log.Contains(TEXT("no static function /Script/QuovexVirtualProductionEditor.QuovexEditorFunctionLibrary:AB AB")));
	EXPECT_TRUE(Log.Contains(TEXT("has no parameter for 'AB AB")));

	// The first two still implement the interface and are told, silently; the third is refused.
	EXPECT_TRUE(FQuovexTabManager::Get().SubscribeEvents(NoFunction));
	EXPECT_TRUE(FQuovexTabManager::Get().SubscribeEvents(NoEvent));
	EXPECT_FALSE(FQuovexTabManager::Get().SubscribeEvents(NoInterface));
	Log.Clear();
	ASSERT_TRUE(OpenAndClose(TEXT("QuovexStatus")));
	EXPECT_FALSE(Log.Contains(TEXT("never")));
	FQuovexTabManager::Get().UnsubscribeEvents(NoFunction);
	FQuovexTabManager::Get().UnsubscribeEvents(NoEvent);
}
