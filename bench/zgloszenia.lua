-- wrk script: each request a report that was not sent before, so that each one adds a row.
local licznik = 0

function init(args)
  math.randomseed(os.time() + tonumber(tostring({}):sub(8), 16))
  licznik = math.random(0, 2 ^ 40)
end

function request()
  licznik = licznik + 1
  local sciezka = string.format(
    "/?s=rozpoznik_dodaj&ext=BIN&bajty=%020X&typ=Plik%%20testowy%%20%%B9&rozm=%d", licznik, licznik)
  return wrk.format("GET", sciezka)
end
