#pragma once

/** Connects CoreUObject's package loading and saving to the stand-in asset files. */
namespace AssetPackageHooks
{
	/** Idempotent. */
	void Install();
}
