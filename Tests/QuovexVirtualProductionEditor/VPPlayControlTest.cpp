// Play and Stop as a panel presses them, the operator requests panels listen for, and the async actions kept alive.

#include "VPEditorSubsystemTestFixture.h"

#include "Kismet/BlueprintAsyncActionBase.h"
#include "Misc/CoreDelegates.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"

using namespace QuovexTest;

namespace
{
	class VPPlayControlTest : public FVPSubsystemTest
	{
	protected:
		int32 WarningsContaining(const TCHAR* Text) const
		{
			int32 Count = 0;
			for (const FString& Line : Log.GetLines())
			{
				Count += Line.Contains(TEXT("LogQuovexVirtualProductionEditor: Warning: ")) && Line.Contains(Text) ? 1 : 0;
			}
			return Count;
		}

		/** The kept actions, read through the reflected property the garbage collector sees. */
		static TArray<UBlueprintAsyncActionBase*> KeptActions(int32* OutCapacity = nullptr)
		{
			const FArrayProperty* Property = CastField<FArrayProperty>(UQuovexVPEditorSubsystem::StaticClass()->FindPropertyByName(TEXT("ReferencedAsyncActions")));
			check(Property);
			const TArray<TObjectPtr<UBlueprintAsyncActionBase>>& Actions = *Property->ContainerPtrToValuePtr<TArray<TObjectPtr<UBlueprintAsyncActionBase>>>(Subsystem());
			if (OutCapacity)
			{
				*OutCapacity = Actions.Max();
			}
			TArray<UBlueprintAsyncActionBase*> Out;
			for (const TObjectPtr<UBlueprintAsyncActionBase>& Action : Actions)
			{
				Out.Add(Action.Get());
			}
			return Out;
		}

		static UBlueprintAsyncActionBase* NewAction(const TCHAR* Name)
		{
			return NewObject<UBlueprintAsyncActionBase>(GetTransientPackage(), Name);
		}
	};
}

TEST_F(VPPlayControlTest, PlayAndStopRunASessionOnTheNextFrameAndRefuseTheWrongStateWithOneWarning)
{
	BootAndWatch();
	Subsystem()->Stop();
	EXPECT_EQ(WarningsContaining(TEXT("There is no PIE session to stop")), 1);
	EXPECT_EQ(GEditor->PlayWorld, nullptr);

	Subsystem()->Play();
	// Requested, as the toolbar's Play button does; the session starts with the next frame.
	EXPECT_EQ(GEditor->PlayWorld, nullptr);
	GEngine->Tick(0.0f, false);
	UWorld* PlayWorld = GEditor->PlayWorld;
	ASSERT_NE(PlayWorld, nullptr);

	Log.Clear();
	Subsystem()->Play();
	GEngine->Tick(0.0f, false);
	EXPECT_EQ(WarningsContaining(TEXT("A PIE session already running")), 1);
	EXPECT_EQ(Log.GetLines().Num(), 1);
	EXPECT_EQ(GEditor->PlayWorld, PlayWorld);

	Subsystem()->Stop();
	EXPECT_EQ(GEditor->PlayWorld, PlayWorld);
	GEngine->Tick(0.0f, false);
	EXPECT_EQ(GEditor->PlayWorld, nullptr);
	EXPECT_EQ(WarningsContaining(TEXT("There is no PIE session to stop")), 0);
}

TEST_F(VPPlayControlTest, OperatorRequestsReachEveryBoundHandlerAtOnce)
{
	BootAndWatch();
	// With nobody listening a request does nothing at all.
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.WatchEvents off"), Console));
	Subsystem()->TriggerOpenTakeRecorder();
	EXPECT_FALSE(Log.Contains(TEXT("requested")));
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.WatchEvents on"), Console));
	TArray<FString> Heard;
	Subsystem()->OnOpenTakeRecorder().AddLambda([&Heard] { Heard.Add(TEXT("open")); });
	Subsystem()->OnResetTakeRecorder().AddLambda([&Heard] { Heard.Add(TEXT("reset")); });
	Subsystem()->OnReconnectToSwitcher().AddLambda([&Heard] { Heard.Add(TEXT("switcher")); });
	Subsystem()->OnReconnectToKeyer().AddLambda([&Heard] { Heard.Add(TEXT("keyer")); });
	Subsystem()->OnReconnectToKeyer().AddLambda([&Heard] { Heard.Add(TEXT("keyer again")); });

	Subsystem()->TriggerReconnectToKeyer();
	Subsystem()->TriggerOpenTakeRecorder();
	Subsystem()->TriggerReconnectToSwitcher();
	Subsystem()->TriggerResetTakeRecorder();
	EXPECT_EQ(Heard, (TArray<FString>{ TEXT("keyer"), TEXT("keyer again"), TEXT("open"), TEXT("switcher"), TEXT("reset") }));
	// Requests change no camera.
	ExpectNotified({});

	// The console's trigger commands reach the same events, and the watcher logs each.
	Heard.Empty();
	ASSERT_TRUE(FEditorHost::Exec(TEXT("Quovex.TriggerResetTakeRecorder"), Console));
	EXPECT_EQ(Heard, TArray<FString>{ TEXT("reset") });
	EXPECT_TRUE(Log.Contains(TEXT("LogQuovexVirtualProductionEditor: Reset take recorder requested")));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("Quovex.TriggerReconnectToKeyer now"), Console));
	EXPECT_EQ(Heard, TArray<FString>{ TEXT("reset") });
}

TEST_F(VPPlayControlTest, KeptAsyncActionsAreUniqueAndRemovedBySwappingTheLastIn)
{
	BootAndWatch();
	UBlueprintAsyncActionBase* A = NewAction(TEXT("A"));
	UBlueprintAsyncActionBase* B = NewAction(TEXT("B"));
	UBlueprintAsyncActionBase* C = NewAction(TEXT("C"));
	Subsystem()->RegisterBlueprintAsyncAction(A);
	Subsystem()->RegisterBlueprintAsyncAction(B);
	Subsystem()->RegisterBlueprintAsyncAction(C);
	Subsystem()->RegisterBlueprintAsyncAction(B);
	Subsystem()->RegisterBlueprintAsyncAction(nullptr);
	EXPECT_EQ(KeptActions(), (TArray<UBlueprintAsyncActionBase*>{ A, B, C }));

	Subsystem()->UnregisterBlueprintAsyncAction(A);
	EXPECT_EQ(KeptActions(), (TArray<UBlueprintAsyncActionBase*>{ C, B }));
	Subsystem()->UnregisterBlueprintAsyncAction(A);
	Subsystem()->UnregisterBlueprintAsyncAction(NewAction(TEXT("Stranger")));
	EXPECT_EQ(KeptActions(), (TArray<UBlueprintAsyncActionBase*>{ C, B }));

	// A level switch keeps them.
	OpenMap(TEXT("Empty"));
	EXPECT_EQ(KeptActions(), (TArray<UBlueprintAsyncActionBase*>{ C, B }));

	// Pre-exit lets go of every action and of the list's storage.
	FCoreDelegates::OnEnginePreExit.Broadcast();
	int32 Capacity = -1;
	EXPECT_TRUE(KeptActions(&Capacity).IsEmpty());
	EXPECT_EQ(Capacity, 0);
}

TEST_F(VPPlayControlTest, KeptAsyncActionsFromTheConsole)
{
	BootAndWatch();
	for (const TCHAR* Line : { TEXT("Quovex.AsyncActions register A"), TEXT("Quovex.AsyncActions register B"), TEXT("Quovex.AsyncActions register C"), TEXT("Quovex.AsyncActions unregister A") })
	{
		ASSERT_TRUE(FEditorHost::Exec(Line, Console)) << TCHAR_TO_UTF8(Line);
	}
	EXPECT_EQ(Console.GetLines().Last(), TEXT("Kept async actions: (/Engine/Transient.C,/Engine/Transient.B)"));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("Quovex.AsyncActions unregister Nobody"), Console));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("Quovex.AsyncActions forget C"), Console));
	EXPECT_FALSE(FEditorHost::Exec(TEXT("Quovex.AsyncActions register"), Console));
	EXPECT_EQ(KeptActions().Num(), 2);
}
