#include "Features/IModularFeatures.h"

#include <mutex>

namespace
{
	/** Registrations in order; a flat list keeps "first registered" well defined per type. */
	class FModularFeatures final : public IModularFeatures
	{
	public:
		virtual void LockModularFeatureList() override
		{
			Mutex.lock();
		}

		virtual void UnlockModularFeatureList() override
		{
			Mutex.unlock();
		}

		virtual int32 GetModularFeatureImplementationCount(const FName Type) override
		{
			std::lock_guard<std::recursive_mutex> Lock(Mutex);
			int32 Count = 0;
			for (const FEntry& Entry : Entries)
			{
				if (Entry.Type == Type)
				{
					++Count;
				}
			}
			return Count;
		}

		virtual IModularFeature* GetModularFeatureImplementation(const FName Type, const int32 Index) override
		{
			std::lock_guard<std::recursive_mutex> Lock(Mutex);
			int32 Seen = 0;
			for (const FEntry& Entry : Entries)
			{
				if (Entry.Type == Type && Seen++ == Index)
				{
					return Entry.Feature;
				}
			}
			return nullptr;
		}

		virtual void RegisterModularFeature(const FName Type, IModularFeature* ModularFeature) override
		{
			check(ModularFeature != nullptr);
			{
				std::lock_guard<std::recursive_mutex> Lock(Mutex);
				for (const FEntry& Entry : Entries)
				{
					if (Entry.Type == Type && Entry.Feature == ModularFeature)
					{
						return;
					}
				}
				Entries.Add(FEntry{ Type, ModularFeature });
			}
			RegisteredEvent.Broadcast(Type, ModularFeature);
		}

		virtual void UnregisterModularFeature(const FName Type, IModularFeature* ModularFeature) override
		{
			bool bRemoved = false;
			{
				std::lock_guard<std::recursive_mutex> Lock(Mutex);
				for (int32 Index = 0; Index < Entries.Num(); ++Index)
				{
					if (Entries[Index].Type == Type && Entries[Index].Feature == ModularFeature)
					{
						// Keep the order of the remaining implementations.
						Entries.RemoveAt(Index);
						bRemoved = true;
						break;
					}
				}
			}
			if (bRemoved)
			{
				UnregisteredEvent.Broadcast(Type, ModularFeature);
			}
		}

		virtual FOnModularFeatureRegistered& OnModularFeatureRegistered() override
		{
			return RegisteredEvent;
		}

		virtual FOnModularFeatureUnregistered& OnModularFeatureUnregistered() override
		{
			return UnregisteredEvent;
		}

	private:
		struct FEntry
		{
			FName Type;
			IModularFeature* Feature;
		};

		std::recursive_mutex Mutex;
		TArray<FEntry> Entries;
		FOnModularFeatureRegistered RegisteredEvent;
		FOnModularFeatureUnregistered UnregisteredEvent;
	};
}

IModularFeatures& IModularFeatures::Get()
{
	static FModularFeatures Singleton;
	return Singleton;
}
