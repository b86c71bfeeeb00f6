// Module loading through the module manager: start-up, lookups, unloading and shut-down order.

#include "HostTestSupport.h"

#include "HostLogCapture.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace HostTest;

namespace
{
	std::vector<std::string>& Events()
	{
		static std::vector<std::string> Recorded;
		return Recorded;
	}

	/** Records its life cycle; loads its dependency (if any) while starting, as modules do. */
	template<int Id>
	class TRecordingModule : public IModuleInterface
	{
	public:
		static inline const char* Name = nullptr;
		static inline const char* Dependency = nullptr;
		static inline bool bAutomaticShutdown = true;

		~TRecordingModule() override { Events().push_back(std::string("destroy ") + Name); }
		void StartupModule() override
		{
			Events().push_back(std::string("startup ") + Name);
			if (Dependency)
			{
				FModuleManager::Get().LoadModuleChecked(FName(UTF8_TO_TCHAR(Dependency)));
			}
			Events().push_back(std::string("started ") + Name);
		}
		void PreUnloadCallback() override { Events().push_back(std::string("preunload ") + Name); }
		void ShutdownModule() override { Events().push_back(std::string("shutdown ") + Name); }
		bool SupportsAutomaticShutdown() override { return bAutomaticShutdown; }

		static IModuleInterface* Create() { return new TRecordingModule(); }
	};

	using FModuleA = TRecordingModule<1>;
	using FModuleB = TRecordingModule<2>;
	using FModuleC = TRecordingModule<3>;

	void RegisterTestModules(const char* Prefix)
	{
		static std::vector<std::string> Names;
		Names = { std::string(Prefix) + "A", std::string(Prefix) + "B", std::string(Prefix) + "C" };
		FModuleA::Name = Names[0].c_str();
		FModuleB::Name = Names[1].c_str();
		FModuleC::Name = Names[2].c_str();
		FModuleA::Dependency = Names[1].c_str();
		FModuleB::Dependency = nullptr;
		FModuleC::Dependency = nullptr;
		FModuleManager::RegisterLinkedModule(UTF8_TO_TCHAR(FModuleA::Name), &FModuleA::Create);
		FModuleManager::RegisterLinkedModule(UTF8_TO_TCHAR(FModuleB::Name), &FModuleB::Create);
		FModuleManager::RegisterLinkedModule(UTF8_TO_TCHAR(FModuleC::Name), &FModuleC::Create);
		Events().clear();
	}
}

TEST(ModuleManagerTest, LoadStartsOnceAndLookupsIgnoreCase)
{
	RegisterTestModules("TestLoadOnce");
	TArray<FName> Changed;
	const FDelegateHandle Handle = FModuleManager::Get().OnModulesChanged().AddLambda([&Changed](FName Name, EModuleChangeReason Reason) {
		if (Reason == EModuleChangeReason::ModuleLoaded)
		{
			Changed.Add(Name);
		}
	});

	IModuleInterface* A = FModuleManager::Get().LoadModule(TEXT("TestLoadOnceA"));
	ASSERT_NE(A, nullptr);
	EXPECT_EQ(FModuleManager::Get().LoadModule(TEXT("testloadoncea")), A);
	EXPECT_EQ(FModuleManager::GetModulePtr<FModuleA>(TEXT("TESTLOADONCEA")), A);
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("TestLoadOnceB")));
	// A's dependency finished starting first, inside A's start-up.
	EXPECT_EQ(Events(), (std::vector<std::string>{ "startup TestLoadOnceA", "startup TestLoadOnceB", "started TestLoadOnceB", "started TestLoadOnceA" }));
	ASSERT_EQ(Changed.Num(), 2);
	EXPECT_EQ(Changed[0], FName(TEXT("TestLoadOnceB")));

	FModuleStatus StatusA, StatusB;
	ASSERT_TRUE(FModuleManager::Get().QueryModule(TEXT("TestLoadOnceA"), StatusA));
	ASSERT_TRUE(FModuleManager::Get().QueryModule(TEXT("TestLoadOnceB"), StatusB));
	EXPECT_GT(StatusA.LoadOrder, StatusB.LoadOrder);

	Events().clear();
	EXPECT_TRUE(FModuleManager::Get().UnloadModule(TEXT("TestLoadOnceA")));
	EXPECT_TRUE(FModuleManager::Get().UnloadModule(TEXT("TestLoadOnceB")));
	EXPECT_FALSE(FModuleManager::Get().UnloadModule(TEXT("TestLoadOnceB")));
	EXPECT_EQ(Events(), (std::vector<std::string>{ "preunload TestLoadOnceA", "shutdown TestLoadOnceA", "destroy TestLoadOnceA", "preunload TestLoadOnceB", "shutdown TestLoadOnceB", "destroy TestLoadOnceB" }));
	EXPECT_EQ(FModuleManager::Get().GetModule(TEXT("TestLoadOnceA")), nullptr);
	FModuleManager::Get().OnModulesChanged().Remove(Handle);
}

TEST(ModuleManagerTest, MissingModulesFailWithAReason)
{
	FHostLogCapture Log;
	EModuleLoadResult Result = EModuleLoadResult::Success;
	EXPECT_EQ(FModuleManager::Get().LoadModuleWithFailureReason(TEXT("NoSuchModuleAnywhere"), Result), nullptr);
	EXPECT_EQ(Result, EModuleLoadResult::FileNotFound);
	EXPECT_TRUE(Log.Contains(TEXT("NoSuchModuleAnywhere")));
	EXPECT_FALSE(FModuleManager::Get().ModuleExists(TEXT("NoSuchModuleAnywhere")));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("NoSuchModuleAnywhere")));
}

TEST(ModuleManagerTest, ModulesAreCreatedThroughTheirLibrarysInitializeModule)
{
	// Every engine module registers its library; loading one goes through that library's entry.
	ASSERT_TRUE(FModuleManager::Get().ModuleExists(TEXT("Projects")));
	IModuleInterface* Projects = FModuleManager::Get().LoadModule(TEXT("Projects"));
	ASSERT_NE(Projects, nullptr);
	FModuleStatus Status;
	ASSERT_TRUE(FModuleManager::Get().QueryModule(TEXT("Projects"), Status));
	EXPECT_NE(Utf8(Status.FilePath).find("UnrealEditor-Projects.so"), std::string::npos) << Utf8(Status.FilePath);
	EXPECT_TRUE(FModuleManager::Get().UnloadModule(TEXT("Projects")));
}

namespace
{
	/** Loads C (abandoned at exit) and A (which loads B), shuts down; 0 when the order was the engine's. */
	int RunShutdownScenario()
	{
		RegisterTestModules("TestShutdown");
		FModuleC::bAutomaticShutdown = false;
		FModuleManager::Get().LoadModule(TEXT("TestShutdownC"));
		FModuleManager::Get().LoadModule(TEXT("TestShutdownA"));
		Events().clear();
		FModuleManager::Get().UnloadModulesAtShutdown();
		const std::vector<std::string> Expected = { "preunload TestShutdownA", "preunload TestShutdownB",
			"shutdown TestShutdownA", "destroy TestShutdownA", "shutdown TestShutdownB", "destroy TestShutdownB" };
		std::string Got;
		for (const std::string& Event : Events())
		{
			Got += Event + "|";
		}
		std::fprintf(stderr, "events: %s\n", Got.c_str());
		// C does not support automatic shut-down: it is abandoned, still loaded.
		const bool bAbandoned = FModuleManager::Get().IsModuleLoaded(TEXT("TestShutdownC"));
		return Events() == Expected && bAbandoned ? 0 : 1;
	}
}

TEST(ModuleManagerDeathTest, ShutdownRunsInReverseLoadOrderAfterEveryPreUnload)
{
	// Shut-down takes every loaded module, so it runs in a child process of its own.
	EXPECT_EXIT(std::exit(RunShutdownScenario()), ::testing::ExitedWithCode(0), "events: ");
}
